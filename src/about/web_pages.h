#pragma once
// The web pages of the about tab: the filter vendors', the pack's and the donation page.
#include <span>
#include <string>

#include "core/app.h"

namespace tzp::about {

struct WebPage {
    const char* control;  // the link label or button that opens it
    const char* address;
    // True for a page whose address the packager sets before shipping: the product's
    // own address is not ours to name, so the table holds a placeholder meanwhile.
    bool packagerSets;
};

// The fixed pages: the nine vendor pages (link labels) and the pack's home page.
std::span<const WebPage> FixedPages();

// The donation page: each language file names its own, under string id "999".
std::string DonationAddress(const App& app);

// Hands the address to the shell's "open" and returns at once. A page that cannot be
// opened shows nothing, and an empty address (a language file without a donation
// page) is not handed over at all.
void OpenPage(PackServices& pack, const std::string& address);

// Clicks on the link labels, Command8 and Command10 open their pages.
void WireWebPages(App& app);

}  // namespace tzp::about
