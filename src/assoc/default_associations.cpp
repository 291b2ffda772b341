#include "assoc/default_associations.h"

namespace tzp::assoc {

std::string XmlAttributeEscaped(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            case '\'':
                escaped += "&apos;";
                break;
            case '\t':
                escaped += "&#9;";
                break;
            case '\n':
                escaped += "&#10;";
                break;
            case '\r':
                escaped += "&#13;";
                break;
            default:
                if (static_cast<unsigned char>(c) >= 0x20) {
                    escaped += c;
                }
        }
    }
    return escaped;
}

std::string DefaultAssociationsXml(const RegisteredApplication& application) {
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<DefaultAssociations>\r\n";
    const std::string name = XmlAttributeEscaped(application.name);
    for (const auto& association : application.associations) {
        xml += "  <Association Identifier=\"" + XmlAttributeEscaped(association.extension) +
               "\" ProgId=\"" + XmlAttributeEscaped(association.progId) + "\" ApplicationName=\"" +
               name + "\" />\r\n";
    }
    return xml + "</DefaultAssociations>\r\n";
}

}  // namespace tzp::assoc
