#include "profiles/messages.h"

#include "lang/lang.h"

namespace tzp::profiles {

namespace {

std::string WithLines(std::string text, const std::vector<std::string>& lines) {
    for (const auto& line : lines) {
        text += "\n" + line;
    }
    return text;
}

}  // namespace

std::string NameRefusedText(const App& app) {
    return lang::LookupLangStringOr(
        app, "065",
        "This name cannot be used for a profile. A profile name may not contain \\ / : * ? \" "
        "< > | or control characters, and may not be \".\", \"..\" or a device name such as "
        "CON, PRN, AUX, NUL, COM1 or LPT1.",
        "Ce nom ne peut pas \xC3\xAAtre utilis\xC3\xA9 pour un profil. Un nom de profil ne "
        "peut contenir ni \\ / : * ? \" < > | ni caract\xC3\xA8re de contr\xC3\xB4le, et ne "
        "peut \xC3\xAAtre ni \".\", ni \"..\", ni un nom de p\xC3\xA9riph\xC3\xA9rique comme "
        "CON, PRN, AUX, NUL, COM1 ou LPT1.");
}

std::string NotFoundText(const App& app, const std::string& path) {
    return WithLines(
        lang::LookupLangStringOr(app, "066", "This profile folder or file cannot be found or read:",
                                 "Ce dossier ou ce fichier de profil est introuvable ou "
                                 "illisible :"),
        {path});
}

std::string NotSavedText(const App& app, const std::string& path, const std::string& reason) {
    return WithLines(
        lang::LookupLangStringOr(app, "067",
                                 "The profile could not be saved. The profile files already "
                                 "on disk are unchanged.",
                                 "Le profil n'a pas pu \xC3\xAAtre enregistr\xC3\xA9. Les "
                                 "fichiers de profil d\xC3\xA9j\xC3\xA0 sur le disque n'ont "
                                 "pas \xC3\xA9t\xC3\xA9 modifi\xC3\xA9s."),
        {path, reason});
}

std::string LeftOutText(const App& app, const std::vector<std::string>& entries) {
    return WithLines(
        lang::LookupLangStringOr(app, "068",
                                 "These filter settings could not be stored in the profile "
                                 "and were left out of it:",
                                 "Ces r\xC3\xA9glages de filtres n'ont pas pu \xC3\xAAtre "
                                 "enregistr\xC3\xA9s dans le profil et en ont \xC3\xA9t\xC3\xA9 "
                                 "\xC3\xA9"
                                 "cart\xC3\xA9s :"),
        entries);
}

std::string NotDeletedText(const App& app, const std::vector<std::string>& problems) {
    return WithLines(
        lang::LookupLangStringOr(app, "069", "The profile could not be deleted completely:",
                                 "Le profil n'a pas pu \xC3\xAAtre enti\xC3\xA8"
                                 "rement supprim\xC3\xA9 :"),
        problems);
}

std::string ImportRefusedText(const App& app, const std::string& path, const std::string& section) {
    return WithLines(
        lang::LookupLangStringOr(app, "120",
                                 "The settings of this profile were not imported: its registry "
                                 "file writes outside the filters' settings.",
                                 "Les r\xC3\xA9glages de ce profil n'ont pas \xC3\xA9t\xC3\xA9 "
                                 "import\xC3\xA9s : son fichier de registre \xC3\xA9"
                                 "crit en dehors des r\xC3\xA9glages des filtres."),
        {path, section});
}

std::string NotRegistryFileText(const App& app, const std::string& path) {
    return WithLines(
        lang::LookupLangStringOr(app, "136",
                                 "This registry file of a profile starts with neither REGEDIT4 "
                                 "nor Windows Registry Editor Version 5.00:",
                                 "Ce fichier de registre d'un profil ne commence ni par REGEDIT4 "
                                 "ni par Windows Registry Editor Version 5.00 :"),
        {path});
}

}  // namespace tzp::profiles
