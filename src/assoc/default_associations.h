#pragma once
// The default associations file that administrators hand to Windows for every new user:
// Dism.exe /Online /Import-DefaultAppAssociations:FILE, or the Group Policy "Set a default
// associations configuration file".
#include <string>
#include <string_view>

#include "assoc/registered_app.h"

namespace tzp::assoc {

// Text for an XML attribute value between double quotes: & < > " ' as entities, tab,
// line feed and carriage return as character references (a parser would turn them into
// spaces), and the other control characters, which XML 1.0 cannot hold, left out.
std::string XmlAttributeEscaped(std::string_view text);

// <DefaultAssociations> with one <Association Identifier ProgId ApplicationName/> for each
// association of the entry, in UTF-8 with its declaration, lines ended by CR LF.
std::string DefaultAssociationsXml(const RegisteredApplication& application);

}  // namespace tzp::assoc
