#include "assoc/messages.h"

#include "lang/fill.h"
#include "lang/lang.h"

namespace tzp::assoc {

namespace {

std::string Fill(std::string_view text, std::string_view first, std::string_view second = {}) {
    return lang::Fill(text, {first, second});
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

std::string UserChoiceKeptQuestion(const App& app, std::string_view lines) {
    return Fill(lang::LookupLangStringOr(
                    app, "134",
                    "Windows keeps the user's own choice for these file types, so they still "
                    "open with another program:\r\n%1\r\nOnly Windows' default apps settings "
                    "can change that choice. Open them now?",
                    "Windows conserve le choix de l'utilisateur pour ces types de fichiers, qui "
                    "s'ouvrent donc toujours avec un autre programme :\r\n%1\r\nSeuls les "
                    "paramètres des applications par défaut de Windows peuvent changer ce "
                    "choix. Les ouvrir maintenant ?"),
                lines);
}

std::string SettingsNotOpenedMessage(const App& app, std::string_view reason) {
    return Fill(lang::LookupLangStringOr(
                    app, "135", "Windows' default apps settings could not be opened.\r\n%1",
                    "Les paramètres des applications par défaut de Windows n'ont pas pu être "
                    "ouverts.\r\n%1"),
                reason);
}

}  // namespace tzp::assoc
