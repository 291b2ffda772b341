#include "ui/form1_controls.h"

#include <array>

#include "ui/form.h"

namespace tzp::ui {

namespace {

using K = ControlKind;

// The design positions are those of the filters page; the tab handler moves the other
// pages' controls in from the park position.
constexpr auto kControls = std::to_array<ControlSpec>({
    // ---- always shown
    {K::TabStrip, "TabStrip1", "", 120, 120, 7695, 6975, ""},
    {K::Frame, "Frame2", "", 120, 7200, 7695, 820, ""},

    // ---- filters page
    {K::Frame, "filtersframe", "", 240, 480, 7455, 6375, ""},
    {K::Frame, "Frame6", "", 360, 720, 3975, 5535, "Filtres configurables"},
    // FFDshow row with its five configure icons and their fixed labels
    {K::Picture, "Picture10", "Frame6", 120, 240, 3705, 1305, ""},
    {K::Picture, "Picture17", "Picture10", 0, 0, 540, 540, "", Look::Icon},
    {K::CheckBox, "Check6", "Picture10", 600, 120, 3015, 255, "FFDshow"},
    {K::Picture, "Picture7", "Picture10", 120, 480, 480, 480, "", Look::Icon},
    {K::Picture, "Picture8", "Picture10", 840, 480, 480, 480, "", Look::Icon},
    {K::Picture, "Picture9", "Picture10", 1560, 480, 480, 480, "", Look::Icon},
    {K::Picture, "Picture3", "Picture10", 2280, 480, 480, 480, "", Look::Icon},
    {K::Picture, "Picture26", "Picture10", 3000, 480, 480, 480, "", Look::Icon},
    {K::Label, "Label555", "Picture10", 0, 1000, 720, 255, "Video", Look::Centred},
    {K::Label, "Label5", "Picture10", 720, 1000, 720, 255, "Audio", Look::Centred},
    {K::Label, "Label55", "Picture10", 1440, 1000, 720, 255, "VFW", Look::Centred},
    {K::Label, "Label18", "Picture10", 2160, 1000, 720, 255, "DXVA", Look::Centred},
    {K::Label, "Label19", "Picture10", 2880, 1000, 825, 255, "MakeAvis", Look::Centred},
    {K::Picture, "Picture12", "Frame6", 120, 1600, 3705, 540, ""},
    {K::Picture, "Picture5", "Picture12", 0, 0, 540, 540, "", Look::Icon},
    {K::CheckBox, "Check11", "Picture12", 520, 120, 3015, 255, "Ac3filter.ax"},
    {K::Picture, "Picture13", "Frame6", 120, 2200, 3705, 540, ""},
    {K::Picture, "Picture4", "Picture13", 0, 0, 540, 540, "", Look::Icon},
    {K::CheckBox, "Check10", "Picture13", 520, 120, 3015, 255, "VSFilter"},
    {K::Picture, "Picture14", "Frame6", 120, 2800, 3705, 540, ""},
    {K::Picture, "Picture24", "Picture14", 0, 0, 540, 540, "", Look::Icon},
    {K::CheckBox, "Check9", "Picture14", 520, 120, 3015, 255, "RealSplitter"},
    {K::Picture, "Picture15", "Frame6", 120, 3400, 3705, 540, ""},
    {K::Picture, "Picture2", "Picture15", 0, 0, 540, 540, "", Look::Icon},
    {K::CheckBox, "Check12", "Picture15", 520, 120, 3015, 255, "VP7dec"},
    // the splitter group: master and five members
    {K::Picture, "Picture16", "Frame6", 120, 4000, 3705, 1380, ""},
    {K::Picture, "Picture6", "Picture16", 0, 0, 540, 540, "", Look::Icon},
    {K::CheckBox, "Check13", "Picture16", 520, 120, 3015, 255, "Norvi Splitter"},
    {K::CheckBox, "Check3", "Picture16", 960, 480, 1215, 255, "OGM Splitter"},
    {K::CheckBox, "Check1", "Picture16", 960, 720, 1215, 255, "MP4 Splitter"},
    {K::CheckBox, "Check2", "Picture16", 960, 960, 1215, 255, "MKV Splitter"},
    {K::CheckBox, "Check4", "Picture16", 2325, 720, 1215, 255, "AVI Splitter"},
    {K::CheckBox, "Check5", "Picture16", 2325, 960, 1215, 255, "TS Splitter"},

    {K::Frame, "Frame5", "", 4440, 720, 3135, 3375, "Filtres simples"},
    {K::Picture, "Picture21", "Frame5", 120, 260, 2865, 540, ""},
    {K::CheckBox, "Check17", "Picture21", 120, 120, 2655, 255, "MpegSplit"},
    {K::Picture, "Picture23", "Frame5", 120, 860, 2865, 540, ""},
    {K::CheckBox, "Check15", "Picture23", 120, 120, 2655, 255, "FLVSplitter"},
    {K::Picture, "Picture25", "Frame5", 120, 1455, 2865, 540, ""},
    {K::CheckBox, "Check18", "Picture25", 120, 120, 2655, 255, "RLAPEDec"},
    {K::Picture, "Picture27", "Frame5", 120, 2040, 2865, 540, ""},
    {K::CheckBox, "Check19", "Picture27", 120, 120, 2655, 255, "RLMPCDec"},
    {K::Picture, "Picture28", "Frame5", 120, 2640, 2865, 540, ""},
    {K::CheckBox, "Check20", "Picture28", 120, 120, 2655, 255, "RLOFRDec"},

    {K::Frame, "Frame13", "", 4440, 5500, 3135, 735, "Lecteur"},
    {K::Picture, "Picture18", "Frame13", 60, 200, 460, 450, "", Look::PlayerIcon},
    {K::Label, "Label1", "Frame13", 615, 345, 2250, 255, "MPCHC"},

    {K::Frame, "Frame7", "", 360, 6240, 7215, 495, ""},
    {K::Label, "Label16", "Frame7", 120, 195, 6975, 195,
     "Cocher un filtre pour l'activer, cliquer sur l'icone d'un filtre configurable pour le "
     "configurer.",
     Look::Centred},

    // profile bar
    {K::ComboBox, kProfileBox, "", 240, 7520, 2295, 315, ""},
    {K::Button, "Command1", "", 2640, 7520, 1455, 315, "Charger"},
    {K::Button, "Command2", "", 4320, 7520, 1575, 315, "Sauvegarder"},
    {K::Button, "Command3", "", 6120, 7520, 1575, 315, "Appliquer"},

    // ---- associations page (design positions out of sight)
    {K::Frame, "assocframe", "", 11640, 6240, 7455, 6375, ""},
    {K::Frame, "Frame8", "", 8760, 1200, 2175, 4095, "Video"},
    {K::ListBox, "List1", "Frame8", 120, 240, 1935, 3660, ""},
    {K::Frame, "Frame9", "", 11280, 1560, 2175, 4095, "Audio"},
    {K::ListBox, "List2", "Frame9", 120, 240, 1935, 3660, ""},
    {K::Frame, "Frame11", "", 13560, 1560, 2175, 4095, "Personnelles"},
    {K::ListBox, "List3", "Frame11", 120, 240, 1935, 3660, ""},
    {K::Frame, "Frame10", "", 8400, 6480, 7215, 1815, "Association"},
    {K::TextBox, "Text1", "Frame10", 6600, 240, 495, 285, ""},
    {K::TextBox, "Text2", "Frame10", 6600, 600, 495, 285, ""},
    {K::TextBox, "Text3", "Frame10", 3600, 1320, 3495, 285, ""},
    {K::Button, "Command4", "", 480, 9600, 6255, 285,
     "Ajouter l'extension suivante \xC3\xA0 la liste des extensions personnelles"},
    {K::Button, "Command5", "", 480, 11040, 6255, 285,
     "Retirer l'extension suivante \xC3\xA0 la liste des extensions personnelles"},
    {K::Button, "Command7", "", 480, 10680, 3375, 285, "Choisir le programme \xC3\xA0 associer"},
    {K::Button, "Command6", "", 240, 8520, 7335, 405,
     "Associer toutes les extensions coch\xC3\xA9"
     "es au programme choisit"},

    // ---- about page
    {K::Frame, "aboutframe", "", 17520, 9480, 7455, 6375, ""},
    {K::Frame, "Frame1", "aboutframe", 120, 120, 7215, 1280, ""},
    {K::Frame, "Frame3", "aboutframe", 120, 1440, 7215, 4815, ""},
    {K::Picture, "Picture20", "Frame3", 120, 360, 3255, 4215, "", Look::Logo},
    {K::Label, "Label3", "Frame3", 3480, 360, 3615, 240, "Tessaly Zivozod Pack", Look::Bold},
    {K::Label, "Label12", "Frame3", 3480, 600, 3615, 480, "-", Look::Bold},
    {K::Label, "Label17", "Frame3", 3480, 1320, 3615, 240, "-"},
    {K::Label, "Label4", "Frame3", 3480, 1560, 3615, 240, "Filtres Quorel officiels", Look::Link},
    {K::Label, "Label6", "Frame3", 3480, 1800, 3615, 240,
     "Filtres Quorel Home Cin\xC3\xA9ma (non officiels)", Look::Link},
    {K::Label, "Label7", "Frame3", 3480, 2040, 3615, 240, "Filtres AC3 officiels", Look::Link},
    {K::Label, "Label8", "Frame3", 3480, 2280, 3615, 240, "Filtres On2 officiels (VP7)",
     Look::Link},
    {K::Label, "Label9", "Frame3", 3480, 2520, 3615, 240, "Filtres Norvi officiels", Look::Link},
    {K::Label, "Label10", "Frame3", 3480, 2760, 3615, 240,
     "Filtres FFdshow officiels et non officiels", Look::Link},
    {K::Label, "Label11", "Frame3", 3480, 3000, 3615, 240, "Filtres Radlight officiels",
     Look::Link},
    {K::Label, "Label15", "Frame3", 3480, 3840, 3615, 240, "-"},
    {K::Label, "Label13", "Frame3", 3480, 4080, 3615, 240, "Filtres Quicktime Alternative",
     Look::Link},
    {K::Label, "Label14", "Frame3", 3480, 4320, 3615, 240, "Filtres Real Alternative", Look::Link},
    {K::Button, "Command8", "", 480, 10320, 6975, 405,
     "Visiter le site officiel du Tessaly Zivozod Pack"},
    {K::Button, "Command9", "", 480, 9000, 6975, 405, "verif version"},
    {K::Button, "Command10", "", 240, 11760, 7455, 405, "donation"},

    // ---- state that is never shown: outside the window for good
    {K::TextBox, kLanguageCode, "", 12000, 0, 1215, 285, ""},
    {K::TextBox, "errr", "", 12000, 300, 1215, 285, ""},
    {K::Frame, "Frame4", "", 12000, 600, 2415, 975, "Reglages"},
    {K::TextBox, kFilterPath, "Frame4", 120, 240, 2175, 285, ""},
    {K::TextBox, "asss", "Frame4", 120, 600, 2175, 285, ""},
    {K::CheckBox, kUnsavedChanges, "", 12000, 1680, 1215, 255, "ischange"},
    {K::Frame, "Frame12", "", 12000, 2040, 1455, 615, ""},
    {K::CheckBox, "tt", "Frame12", 120, 240, 1215, 255, "tt"},
    {K::FileList, kProfileFiles, "", 12000, 2760, 1455, 1035, ""},
    {K::CheckBox, "Check14", "", 12000, 3900, 1215, 255, "Check7"},
    {K::Picture, "Picture11", "", 12000, 4260, 2865, 540, ""},
    {K::CheckBox, "Check16", "Picture11", 120, 120, 2655, 255, "Mpeg2Dec"},
    {K::Picture, "Picture1", "", 12000, 4920, 3705, 540, ""},
    {K::Picture, "Picture22", "Picture1", 0, 0, 540, 540, "", Look::Icon},
    {K::CheckBox, "Check70", "Picture1", 520, 120, 3015, 255, "MadVr"},

    // ---- the wait panel, parked until a long action brings it over the window
    {K::Frame, kWaitPanel, "", 12000, 12000, 7695, 8055, ""},
    {K::Picture, "Picture19", kWaitPanel, 2040, 1440, 3615, 3615, "", Look::Logo},
    // Two lines: the words, and the progress of a registration pass under them.
    {K::Label, "Label2", kWaitPanel, 120, 5400, 7455, 1200, "Merci de patienter", Look::WaitText},
});

}  // namespace

std::span<const ControlSpec> Form1Controls() {
    return kControls;
}

std::unique_ptr<Form> CreateForm1() {
    auto form = std::make_unique<Form>(Form1Controls());
    form->SetView(kFormWidth, kFormHeight, kWaitPanel);
    for (const char* tab : {"Filtres", "Associations", "A propos"}) {
        form->AddEntry("TabStrip1", tab);
    }
    return form;
}

}  // namespace tzp::ui
