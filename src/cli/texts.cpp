#include "cli/texts.h"

#include <array>

#include "lang/fill.h"
#include "lang/lang.h"
#include "platform/text.h"
#include "platform/utf8.h"

namespace tzp::cli {

namespace {

struct BuiltIn {
    const char* id;
    const char* english;
    const char* french;
};

// In the order of the enumeration.
constexpr auto kTexts = std::to_array<BuiltIn>({
    {"100", "Usage:", "Utilisation :"},
    {"101", "opens the control panel window",
     "ouvre la fen\xC3\xAAtre du panneau de configuration"},
    {"102",
     "prints the language, the installation directory, each filter's library, state and "
     "version, the player's version and the saved profiles; with /json as one JSON document",
     "affiche la langue, le dossier d'installation, la biblioth\xC3\xA8que, l'\xC3\xA9tat et la "
     "version de chaque filtre, la version du lecteur et les profils enregistr\xC3\xA9s ; avec "
     "/json en un document JSON"},
    {"103",
     "applies the saved profile NAME as the Apply button does, without any question, and waits "
     "for the import of its settings",
     "applique le profil enregistr\xC3\xA9 NOM comme le bouton Appliquer, sans aucune question, "
     "et attend l'import de ses r\xC3\xA9glages"},
    {"104",
     "saves the filter states found at start-up and the filters' settings as profile NAME, "
     "replacing a profile of that name",
     "enregistre les \xC3\xA9tats des filtres trouv\xC3\xA9s au d\xC3\xA9marrage et les "
     "r\xC3\xA9glages des filtres comme profil NOM, en rempla\xC3\xA7"
     "ant un profil de ce nom"},
    {"105", "prints this text", "affiche ce texte"},
    {"106",
     "Exit codes: 0 all done; 1 done, but a library or the settings import failed; 2 wrong "
     "usage; 3 no such profile, or a name that cannot be a file; 4 the installation or the "
     "pack's profile folder cannot be found.",
     "Codes de sortie : 0 tout est fait ; 1 fait, mais une biblioth\xC3\xA8que ou l'import des "
     "r\xC3\xA9glages a \xC3\xA9"
     "chou\xC3\xA9 ; 2 mauvaise utilisation ; 3 profil inconnu, ou nom "
     "qui ne peut pas \xC3\xAAtre un fichier ; 4 dossier d'installation ou dossier des profils "
     "introuvable."},
    {"107", "Unknown command: %1", "Commande inconnue : %1"},
    {"108", "A profile name must follow %1.", "Un nom de profil doit suivre %1."},
    {"109", "Unexpected argument: %1", "Argument inattendu : %1"},
    {"110", "Language", "Langue"},
    {"111", "Installation directory", "Dossier d'installation"},
    {"112", "Player", "Lecteur"},
    {"113", "The settings of the profile have been imported.",
     "Les r\xC3\xA9glages du profil ont \xC3\xA9t\xC3\xA9 import\xC3\xA9s."},
    {"114", "Profiles", "Profils"},
    {"115", "registered", "enregistr\xC3\xA9"},
    {"116", "not registered", "non enregistr\xC3\xA9"},
    {"117", "The installation directory of the pack cannot be found: %1",
     "Le dossier d'installation du pack est introuvable : %1"},
    {"118", "register", "enregistrer"},
    {"119", "unregister", "d\xC3\xA9senregistrer"},
});

}  // namespace

std::string Say(const App& app, Text text, std::string_view value) {
    const BuiltIn& builtIn = kTexts[static_cast<size_t>(text)];
    return lang::Fill(lang::LookupLangStringOr(app, builtIn.id, builtIn.english, builtIn.french),
                      {value});
}

std::string Padded(const std::string& text, size_t width) {
    const size_t length = platform::Utf8ToCodePoints(text).size();
    return text + std::string(length < width ? width - length : 1, ' ');
}

std::string AsLines(std::string_view text) {
    // Message texts break their lines with LF alone or with CR LF.
    const std::string crOnly =
        platform::ReplaceAll(platform::ReplaceAll(text, "\r\n", "\r"), "\n", "\r");
    return platform::JoinLinesCrLf(platform::SplitLines(crOnly));
}

}  // namespace tzp::cli
