#include "lang/builtin_texts.h"

namespace tzp::lang {

namespace {

// Plain UTF-8, as every text inside the program: the language files' words are converted
// to it when they are read.
constexpr auto kTexts = std::to_array<BuiltinText>({
    {"060", "This program could not be started:", "Ce programme n'a pas pu être démarré :"},
    {"061",
     "The settings of this profile could not be imported: the registry editor could not be "
     "started.",
     "Les réglages de ce profil n'ont pas pu être importés : l'éditeur du registre n'a pas pu être "
     "démarré."},
    {"062", "The settings of this profile could not be imported: its registry file is missing.",
     "Les réglages de ce profil n'ont pas pu être importés : son fichier de registre est absent."},
    {"065",
     "This name cannot be used for a profile. A profile name may not contain \\ / : * ? \" < > | "
     "or control characters, and may not be \".\", \"..\" or a device name such as CON, PRN, AUX, "
     "NUL, COM1 or LPT1.",
     "Ce nom ne peut pas être utilisé pour un profil. Un nom de profil ne peut contenir ni \\ / : "
     "* ? \" < > | ni caractère de contrôle, et ne peut être ni \".\", ni \"..\", ni un nom de "
     "périphérique comme CON, PRN, AUX, NUL, COM1 ou LPT1."},
    {"066", "This profile folder or file cannot be found or read:",
     "Ce dossier ou ce fichier de profil est introuvable ou illisible :"},
    {"067", "The profile could not be saved. The profile files already on disk are unchanged.",
     "Le profil n'a pas pu être enregistré. Les fichiers de profil déjà sur le disque n'ont pas "
     "été modifiés."},
    {"068", "These filter settings could not be stored in the profile and were left out of it:",
     "Ces réglages de filtres n'ont pas pu être enregistrés dans le profil et en ont été écartés "
     ":"},
    {"069", "The profile could not be deleted completely:",
     "Le profil n'a pas pu être entièrement supprimé :"},
    {"070",
     "%1 files are programs that Windows runs by itself; this extension cannot be associated with "
     "a player.",
     "Les fichiers %1 sont des programmes que Windows lance lui-même ; cette extension ne peut pas "
     "être associée à un lecteur."},
    {"071",
     "The personal extension list could not be saved in %1.\r\n%2\r\nThe list shown is kept until "
     "the program ends.",
     "La liste des extensions personnelles n'a pas pu être enregistrée dans %1.\r\n%2\r\nLa liste "
     "affichée est conservée jusqu'à la fermeture du programme."},
    {"072",
     "\"%1\" is not a usable extension. An extension cannot be \".\" or \"..\" or a device name "
     "such as CON or NUL, and cannot hold \\ / : * ? \" < > |, \" (\", control characters or "
     "characters the list file cannot store.",
     "\"%1\" n'est pas une extension utilisable. Une extension ne peut être ni \".\" ni \"..\" ni "
     "un nom de périphérique comme CON ou NUL, et ne peut contenir ni \\ / : * ? \" < > |, ni \" "
     "(\", ni caractère de contrôle, ni caractère que le fichier de la liste ne peut pas "
     "enregistrer."},
    {"073", "These extensions could not be associated; the others were:\r\n%1",
     "Ces extensions n'ont pas pu être associées ; les autres l'ont été :\r\n%1"},
    {"074", "not an extension that can be associated with a player",
     "extension qui ne peut pas être associée à un lecteur"},
    {"075", "The update check failed: the updater could not be started.",
     "La vérification des mises à jour a échoué : le programme de mise à jour n'a pas pu être "
     "lancé."},
    {"076", "The update check failed: the updater gave no answer.",
     "La vérification des mises à jour a échoué : le programme de mise à jour n'a donné aucune "
     "réponse."},
    {"077", "The update check failed: the answer file of an earlier check could not be removed.",
     "La vérification des mises à jour a échoué : le fichier de réponse d'une vérification "
     "précédente n'a pas pu être supprimé."},
    {"082", "%1 settings", "Réglages de %1"},
    {"083", "Opens the settings of %1.", "Ouvre les réglages de %1."},
    {"084", "Starts the player.", "Lance le lecteur."},
    {"090", "%1 of %2: %3", "%1 sur %2 : %3"},
    {"091",
     "These filter libraries did not do what their boxes asked; their boxes now show what the "
     "system has:",
     "Ces bibliothèques de filtres n'ont pas fait ce que leurs cases demandaient ; leurs cases "
     "montrent maintenant l'état du système :"},
    {"092", "done", "fait"},
    {"093",
     "The settings of this profile could not all be imported: the registry editor ended with the "
     "code %1.",
     "Les réglages de ce profil n'ont pas tous pu être importés : l'éditeur du registre s'est "
     "terminé avec le code %1."},
    {"094", "the library cannot be loaded: %1", "la bibliothèque ne peut pas être chargée : %1"},
    {"095", "a %1-bit library; use the %1-bit control panel",
     "une bibliothèque %1 bits ; utilisez le panneau de configuration %1 bits"},
    {"096", "the library has no entry point to register itself",
     "la bibliothèque n'a pas de point d'entrée pour s'enregistrer"},
    {"097", "the library reported the failure %1: %2", "la bibliothèque a signalé l'échec %1 : %2"},
    {"098", "the library was still working after %1 seconds; it was left to finish on its own",
     "la bibliothèque travaillait encore après %1 secondes ; elle a été laissée finir seule"},
    {"099", "the library was not run", "la bibliothèque n'a pas été lancée"},
    {"100", "Usage:", "Utilisation :"},
    {"101", "opens the control panel window", "ouvre la fenêtre du panneau de configuration"},
    {"102",
     "prints the language, the installation directory, each filter's library, state and version, "
     "the player's version and the saved profiles; with /json as one JSON document",
     "affiche la langue, le dossier d'installation, la bibliothèque, l'état et la version de "
     "chaque filtre, la version du lecteur et les profils enregistrés ; avec /json en un document "
     "JSON"},
    {"103",
     "applies the saved profile NAME as the Apply button does, without any question, waits for the "
     "import of its settings and says what it changed; with /json as one JSON document",
     "applique le profil enregistré NOM comme le bouton Appliquer, sans aucune question, attend "
     "l'import de ses réglages et dit ce qu'il a changé ; avec /json en un document JSON"},
    {"104",
     "saves the filter states found at start-up and the filters' settings as profile NAME, "
     "replacing a profile of that name",
     "enregistre les états des filtres trouvés au démarrage et les réglages des filtres comme "
     "profil NOM, en remplaçant un profil de ce nom"},
    {"105", "prints this text", "affiche ce texte"},
    {"106",
     "Exit codes: 0 all done (/check: the PC matches the profile); 1 done, but a library or the "
     "settings import failed, or the associations file could not be written (/check: the PC "
     "differs from the profile); 2 wrong usage; 3 no such profile, or a name that cannot be a file "
     "(/export-associations: no extension is associated with a player); 4 the installation or the "
     "pack's profile folder cannot be found; 5 the profile's files cannot be read or are refused; "
     "6 "
     "the command stopped on a fault of the program.",
     "Codes de sortie : 0 tout est fait (/check : le PC est conforme au profil) ; 1 fait, mais une "
     "bibliothèque ou l'import des réglages a échoué, ou le fichier d'associations n'a pas pu être "
     "écrit (/check : le PC diffère du profil) ; 2 mauvaise utilisation ; 3 profil inconnu, ou nom "
     "qui ne peut pas être un fichier (/export-associations : aucune extension n'est associée à un "
     "lecteur) ; 4 dossier d'installation ou dossier des profils introuvable ; 5 fichiers du "
     "profil illisibles ou refusés ; 6 la commande s'est arrêtée sur une erreur du programme."},
    {"107", "Unknown command: %1", "Commande inconnue : %1"},
    {"108", "A profile name must follow %1.", "Un nom de profil doit suivre %1."},
    {"109", "Unexpected argument: %1", "Argument inattendu : %1"},
    {"110", "Language", "Langue"},
    {"111", "Installation directory", "Dossier d'installation"},
    {"112", "Player", "Lecteur"},
    {"113", "The settings of the profile have been imported.",
     "Les réglages du profil ont été importés."},
    {"114", "Profiles", "Profils"},
    {"115", "registered", "enregistré"},
    {"116", "not registered", "non enregistré"},
    {"117", "The installation directory of the pack cannot be found: %1",
     "Le dossier d'installation du pack est introuvable : %1"},
    {"118", "register", "enregistrer"},
    {"119", "unregister", "désenregistrer"},
    {"120",
     "The settings of this profile were not imported: its registry file writes outside the "
     "filters' settings.",
     "Les réglages de ce profil n'ont pas été importés : son fichier de registre écrit en dehors "
     "des réglages des filtres."},
    {"130", "Registered to this copy.", "Enregistré avec cette copie."},
    {"131", "Registered to another copy: %1", "Enregistré avec une autre copie : %1"},
    {"132", "Partly registered to this copy: %1 of its %2 classes.",
     "Enregistré en partie avec cette copie : %1 de ses %2 classes."},
    {"133", "Not registered.", "Non enregistré."},
    {"134",
     "Windows keeps the user's own choice for these file types, so they still open with another "
     "program:\r\n%1\r\nOnly Windows' default apps settings can change that choice. Open them now?",
     "Windows conserve le choix de l'utilisateur pour ces types de fichiers, qui s'ouvrent donc "
     "toujours avec un autre programme :\r\n%1\r\nSeuls les paramètres des applications par défaut "
     "de Windows peuvent changer ce choix. Les ouvrir maintenant ?"},
    {"135", "Windows' default apps settings could not be opened.\r\n%1",
     "Les paramètres des applications par défaut de Windows n'ont pas pu être ouverts.\r\n%1"},
    {"136",
     "This registry file of a profile starts with neither REGEDIT4 nor Windows Registry Editor "
     "Version 5.00:",
     "Ce fichier de registre d'un profil ne commence ni par REGEDIT4 ni par Windows Registry "
     "Editor Version 5.00 :"},
    {"137",
     "compares the PC with the saved profile NAME and changes nothing: each filter's registration "
     "and each value its registry file sets; one line per difference; with /json as one JSON "
     "document",
     "compare le PC au profil enregistré NOM sans rien changer : l'enregistrement de chaque filtre "
     "et chaque valeur que fixe son fichier de registre ; une ligne par différence ; avec /json en "
     "un document JSON"},
    {"138", "The PC matches the profile %1.", "Le PC est conforme au profil %1."},
    {"139", "The PC differs from the profile %1:", "Le PC diffère du profil %1 :"},
    {"140", "wanted: %1, found: %2", "voulu : %1, trouvé : %2"},
    {"141", "(absent)", "(absent)"},
    {"142", "(present)", "(présent)"},
    {"143", "(Default)", "(par défaut)"},
    {"144", "changed", "changé"},
    {"145", "unchanged", "inchangé"},
    {"146",
     "The settings of the profile have been imported; the registry differed from them: changed.",
     "Les réglages du profil ont été importés ; le registre en différait : changé."},
    {"147",
     "The settings of the profile have been imported; the registry held them already: unchanged.",
     "Les réglages du profil ont été importés ; le registre les avait déjà : inchangé."},
    {"148", "Nothing changed: the PC already matched the profile.",
     "Rien n'a changé : le PC était déjà conforme au profil."},
    {"149", "the library crashed with the code %1", "la bibliothèque a planté avec le code %1"},
    {"150",
     "The filter settings could not be applied: the process that runs the filter libraries "
     "could not be started. Nothing was changed.",
     "Les réglages des filtres n'ont pas pu être appliqués : le processus qui lance les "
     "bibliothèques de filtres n'a pas pu être démarré. Rien n'a été modifié."},
    {"151",
     "The settings of this profile could not all be imported: the registry editor ended "
     "without an error, but these settings are not in the registry:",
     "Les réglages de ce profil n'ont pas tous pu être importés : l'éditeur du registre s'est "
     "terminé sans erreur, mais ces réglages ne sont pas dans le registre :"},
    {"152", "%1 (Tessaly Zivozod Pack)", "%1 (Tessaly Zivozod Pack)"},
    {"153",
     "Plays video and audio files with %1, as associated by the Tessaly Zivozod Pack Control "
     "Panel.",
     "Lit les fichiers vidéo et audio avec %1, selon les associations du panneau de configuration "
     "du Tessaly Zivozod Pack."},
    {"154",
     "The associations have been written, but the pack's player could not be listed in Windows' "
     "default apps settings:\r\n%1",
     "Les associations ont été écrites, mais le lecteur du pack n'a pas pu être inscrit dans les "
     "applications par défaut de Windows :\r\n%1"},
    {"155",
     "writes the extensions associated with the pack's player to FILE as a default associations "
     "file (XML), for Dism.exe /Online /Import-DefaultAppAssociations:FILE or the Group Policy "
     "\"Set a default associations configuration file\"",
     "écrit les extensions associées au lecteur du pack dans FILE sous forme de fichier "
     "d'associations par défaut (XML), pour Dism.exe /Online /Import-DefaultAppAssociations:FILE "
     "ou la stratégie de groupe « Définir un fichier de configuration des associations par défaut "
     "»"},
    {"156", "The default associations have been written to %1.",
     "Les associations par défaut ont été écrites dans %1."},
    {"157",
     "The control panel has associated no extension with a player: there is nothing to export.",
     "Le panneau de configuration n'a associé aucune extension à un lecteur : il n'y a rien à "
     "exporter."},
    {"158", "The default associations file could not be written: %1\r\n%2",
     "Le fichier d'associations par défaut n'a pas pu être écrit : %1\r\n%2"},
    {"159", "A file name must follow %1.", "Un nom de fichier doit suivre %1."},
    {"160", "which decoder plays each of the pack's formats, for 32-bit and 64-bit players",
     "quel décodeur lit chaque format du pack, pour les lecteurs 32 et 64 bits"},
    {"161", "For %1-bit players:", "Pour les lecteurs %1 bits :"},
    {"162", "preferred by Windows", "préféré par Windows"},
    {"163", "merit %1", "mérite %1"},
    {"164", "equal merit, tried in no set order", "mérite égal, essayés dans un ordre indéfini"},
    {"165", "the pack's %1", "%1 du pack"},
    {"166", "the preferred decoder %1 that Windows names is not registered",
     "le décodeur préféré %1 que Windows nomme n'est pas enregistré"},
    {"167", "no decoder", "aucun décodeur"},
    {"168", "Extensions:", "Extensions :"},
    {"169", "source filter %1", "filtre source %1"},
    {"170", "no source filter set", "aucun filtre source défini"},
    {"171", "Windows' own players may use Media Foundation instead",
     "les lecteurs de Windows peuvent utiliser Media Foundation à la place"},
    {"172", "Broken entries of the pack:", "Entrées cassées du pack :"},
    {"173", "its file is missing: %1", "son fichier manque : %1"},
    {"174", "listed as a filter, but its class is not registered",
     "listé comme filtre, mais sa classe n'est pas enregistrée"},
    {"175", "its filter data cannot be read (%1)", "ses données de filtre sont illisibles (%1)"},
    {"176", "Entries that cannot be read:", "Entrées illisibles :"},
    {"177", "Used first for: %1", "Utilisé en premier pour : %1"},
    {"178", "%1: %2, %3", "%1 : %2, %3"},
    {"179", "higher merit (%1 against %2)", "mérite plus élevé (%1 contre %2)"},
    {"180", "Which decoder plays each format...", "Quel décodeur lit chaque format..."},
    {"181", "Which decoder plays each of the pack's formats",
     "Quel décodeur lit chaque format du pack"},
    {"182", "Format", "Format"},
    {"183", "%1-bit players: decoder used", "Lecteurs %1 bits : décodeur utilisé"},
    {"184", "%1-bit: the pack's rank", "%1 bits : rang du pack"},
    {"185", "%1-bit: why", "%1 bits : pourquoi"},
    {"186", "%1 of %2", "%1 sur %2"},
    {"187", "not taken by the pack", "non pris par le pack"},
    {"188", "Close", "Fermer"},
    {"189", "a renderer: tried, but it plays no compressed format",
     "moteur de rendu : essayé, mais il ne lit aucun format compressé"},
    {"190", "The command stopped on a fault of the program: %1",
     "La commande s'est arrêtée sur une erreur du programme : %1"},
});

constexpr bool RowsFollowTheIds() {
    if (kTexts.size() != kBuiltinIds.size()) {
        return false;
    }
    for (size_t i = 0; i < kTexts.size(); ++i) {
        if (kTexts[i].id != kBuiltinIds[i]) {
            return false;
        }
    }
    return true;
}

static_assert(RowsFollowTheIds(), "one row for each id of kBuiltinIds, in the same order");

}  // namespace

std::span<const BuiltinText> BuiltinTexts() {
    return kTexts;
}

const BuiltinText& Builtin(BuiltinId id) {
    return kTexts[id.Index()];
}

}  // namespace tzp::lang
