#include "about/web_pages.h"

#include <array>

#include "lang/lang.h"
#include "lang/text_ids.h"
#include "ui/control_names.h"

namespace tzp::about {

namespace {

// Placeholders live under example.org, which shows only a neutral example page, so a
// pack shipped before the packager set its addresses sends nobody anywhere misleading.
constexpr auto kFixedPages = std::to_array<WebPage>({
    {"Label4", "https://example.org/packager/filters-official/", true},
    {"Label6", "https://example.org/packager/filters-home-cinema/", true},
    {"Label7", "http://ac3filter.net/", false},
    // The VP7 filters' maker has no site of its own any more.
    {"Label8", "https://example.org/packager/vp7-filters/", true},
    {"Label9", "https://example.org/packager/splitter/", true},
    {"Label10", "https://sourceforge.net/projects/ffdshow-tryout/files/", false},
    {"Label11", "http://www.radlight.net/", false},
    {"Label13", "https://www.codecguide.com/about_qt.htm", false},
    {"Label14", "https://www.codecguide.com/about_real.htm", false},
    {"Command8", "https://example.org/packager/pack-home/", true},
});

}  // namespace

std::span<const WebPage> FixedPages() {
    return kFixedPages;
}

std::string DonationAddress(const App& app) {
    return lang::LookupLangString(app, lang::text::kDonationPage);
}

void OpenPage(PackServices& pack, const std::string& address) {
    if (address.empty()) {
        return;
    }
    // Whether the browser came up is the shell's business; there is nothing to tell.
    (void)pack.sys.shell.OpenAddress(address);
}

void WireWebPages(App& app) {
    for (const auto& page : kFixedPages) {
        const std::string address = page.address;
        app.form.OnClick(page.control, [&app, address] { OpenPage(app, address); });
    }
    app.form.OnClick(ui::kDonateButton, [&app] { OpenPage(app, DonationAddress(app)); });
}

}  // namespace tzp::about
