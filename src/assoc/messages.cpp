#include "assoc/messages.h"

#include "lang/lang.h"

namespace tzp::assoc {

namespace {

// Texts name what they report with "%1" and "%2", so translators may move them. One
// pass, so that a value holding "%1" or "%2" is shown as it is.
std::string Fill(std::string_view text, std::string_view first, std::string_view second = {}) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && (text[i + 1] == '1' || text[i + 1] == '2')) {
            out += text[i + 1] == '1' ? first : second;
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace

std::string ProgramTypeRefusedMessage(const App& app, std::string_view extension) {
    return Fill(lang::LookupLangStringOr(
                    app, "070",
                    "%1 files are programs that Windows runs by itself; this extension cannot "
                    "be associated with a player.",
                    "Les fichiers %1 sont des programmes que Windows lance lui-même ; cette "
                    "extension ne peut pas être associée à un lecteur."),
                extension);
}

std::string ListNotSavedMessage(const App& app, std::string_view path, std::string_view reason) {
    return Fill(lang::LookupLangStringOr(
                    app, "071",
                    "The personal extension list could not be saved in %1.\r\n%2\r\nThe list "
                    "shown is kept until the program ends.",
                    "La liste des extensions personnelles n'a pas pu être enregistrée dans %1."
                    "\r\n%2\r\nLa liste affichée est conservée jusqu'à la fermeture du "
                    "programme."),
                path, reason);
}

std::string InvalidExtensionMessage(const App& app, std::string_view typed) {
    return Fill(lang::LookupLangStringOr(
                    app, "072",
                    "\"%1\" is not a usable extension. An extension cannot be \".\" or \"..\" "
                    "or a device name such as CON or NUL, and cannot hold \\ / : * ? \" < > |, "
                    "\" (\", control characters or characters the list file cannot store.",
                    "\"%1\" n'est pas une extension utilisable. Une extension ne peut être ni "
                    "\".\" ni \"..\" ni un nom de périphérique comme CON ou NUL, et ne peut "
                    "contenir ni \\ / : * ? \" < > |, ni \" (\", ni caractère de contrôle, ni "
                    "caractère que le fichier de la liste ne peut pas enregistrer."),
                typed);
}

std::string NotAssociatedMessage(const App& app, std::string_view lines) {
    return Fill(lang::LookupLangStringOr(
                    app, "073", "These extensions could not be associated; the others were:\r\n%1",
                    "Ces extensions n'ont pas pu être associées ; les autres l'ont été :\r\n%1"),
                lines);
}

std::string RefusedExtensionReason(const App& app) {
    return lang::LookupLangStringOr(app, "074",
                                    "not an extension that can be associated with a player",
                                    "extension qui ne peut pas être associée à un lecteur");
}

}  // namespace tzp::assoc
