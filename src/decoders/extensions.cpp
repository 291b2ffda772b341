#include "decoders/extensions.h"

#include <set>

#include "decoders/pack_classes.h"
#include "platform/text.h"

namespace tzp::decoders {

using platform::RegRoot;

namespace {

constexpr std::string_view kExtensionsKey = "Media Type\\Extensions\\";
constexpr std::string_view kByteStreamHandlersKey =
    "SOFTWARE\\Microsoft\\Windows Media Foundation\\ByteStreamHandlers";

}  // namespace

std::vector<ExtensionSource> ReadExtensionSources(platform::RegistryService& registry, View view,
                                                  const std::vector<std::string>& extensions) {
    std::set<std::string> handled;
    const auto handlers = registry.SubKeyNames(
        NameInView(view, RegRoot::LocalMachine, std::string(kByteStreamHandlersKey)));
    for (const auto& handler : handlers.value_or(std::vector<std::string>{})) {
        handled.insert(platform::UnicodeLower(handler));
    }
    std::vector<ExtensionSource> sources;
    for (const auto& extension : extensions) {
        ExtensionSource source{extension, std::nullopt, {}, false};
        // An extension that cannot be a key name has no entry to read.
        if (!extension.empty() && extension.find('\\') == std::string::npos) {
            const auto text =
                registry.Read(NameInView(view, RegRoot::ClassesRoot,
                                         std::string(kExtensionsKey) + extension, "Source Filter"));
            source.sourceFilter = text ? ParseGuid(*text) : std::nullopt;
        }
        if (source.sourceFilter) {
            source.box = PackBox(*source.sourceFilter);
        }
        source.mediaFoundation = handled.count(platform::UnicodeLower(extension)) != 0;
        sources.push_back(std::move(source));
    }
    return sources;
}

}  // namespace tzp::decoders
