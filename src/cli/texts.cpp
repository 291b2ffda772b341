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
     "applies the saved profile NAME as the Apply button does, without any question, waits "
     "for the import of its settings and says what it changed; with /json as one JSON document",
     "applique le profil enregistr\xC3\xA9 NOM comme le bouton Appliquer, sans aucune question, "
     "attend l'import de ses r\xC3\xA9glages et dit ce qu'il a chang\xC3\xA9 ; avec /json en un "
     "document JSON"},
    {"104",
     "saves the filter states found at start-up and the filters' settings as profile NAME, "
     "replacing a profile of that name",
     "enregistre les \xC3\xA9tats des filtres trouv\xC3\xA9s au d\xC3\xA9marrage et les "
     "r\xC3\xA9glages des filtres comme profil NOM, en rempla\xC3\xA7"
     "ant un profil de ce nom"},
    {"105", "prints this text", "affiche ce texte"},
    {"106",
     "Exit codes: 0 all done (/check: the PC matches the profile); 1 done, but a library or the "
     "settings import failed (/check: the PC differs from the profile); 2 wrong usage; 3 no such "
     "profile, or a name that cannot be a file; 4 the installation or the pack's profile folder "
     "cannot be found; 5 the profile's files cannot be read or are refused.",
     "Codes de sortie : 0 tout est fait (/check : le PC est conforme au profil) ; 1 fait, mais "
     "une biblioth\xC3\xA8que ou l'import des r\xC3\xA9glages a \xC3\xA9"
     "chou\xC3\xA9 (/check : le PC diff\xC3\xA8re du profil) ; 2 mauvaise utilisation ; 3 "
     "profil inconnu, ou nom qui ne peut pas \xC3\xAAtre un fichier ; 4 dossier d'installation "
     "ou dossier des profils introuvable ; 5 fichiers du profil illisibles ou refus\xC3\xA9s."},
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
    {"137",
     "compares the PC with the saved profile NAME and changes nothing: each filter's "
     "registration and each value its registry file sets; one line per difference; with /json "
     "as one JSON document",
     "compare le PC au profil enregistr\xC3\xA9 NOM sans rien changer : l'enregistrement de "
     "chaque filtre et chaque valeur que fixe son fichier de registre ; une ligne par "
     "diff\xC3\xA9rence ; avec /json en un document JSON"},
    {"138", "The PC matches the profile %1.", "Le PC est conforme au profil %1."},
    {"139", "The PC differs from the profile %1:", "Le PC diff\xC3\xA8re du profil %1 :"},
    {"140", "wanted: %1, found: %2", "voulu : %1, trouv\xC3\xA9 : %2"},
    {"141", "(absent)", "(absent)"},
    {"142", "(present)", "(pr\xC3\xA9sent)"},
    {"143", "(Default)",
     "(par d\xC3\xA9"
     "faut)"},
    {"144", "changed", "chang\xC3\xA9"},
    {"145", "unchanged", "inchang\xC3\xA9"},
    {"146",
     "The settings of the profile have been imported; the registry differed from them: changed.",
     "Les r\xC3\xA9glages du profil ont \xC3\xA9t\xC3\xA9 import\xC3\xA9s ; le registre en "
     "diff\xC3\xA9rait : chang\xC3\xA9."},
    {"147",
     "The settings of the profile have been imported; the registry held them already: unchanged.",
     "Les r\xC3\xA9glages du profil ont \xC3\xA9t\xC3\xA9 import\xC3\xA9s ; le registre les "
     "avait d\xC3\xA9j\xC3\xA0 : inchang\xC3\xA9."},
    {"148", "Nothing changed: the PC already matched the profile.",
     "Rien n'a chang\xC3\xA9 : le PC \xC3\xA9tait d\xC3\xA9j\xC3\xA0 conforme au profil."},
});

static_assert(kTexts.size() == static_cast<size_t>(Text::NothingChanged) + 1);

}  // namespace

std::string Say(const App& app, Text text, std::string_view first, std::string_view second) {
    const BuiltIn& builtIn = kTexts[static_cast<size_t>(text)];
    return lang::Fill(lang::LookupLangStringOr(app, builtIn.id, builtIn.english, builtIn.french),
                      {first, second});
}

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
