// The default associations file administrators import with DISM or Group Policy.
#include "assoc/default_associations.h"

#include <gtest/gtest.h>

namespace tzp::assoc {
namespace {

TEST(DefaultAssociations, AttributeValuesEscapeWhatWouldEndOrChangeThem) {
    const struct {
        std::string_view text;
        std::string_view escaped;
    } cases[] = {
        {"VLC.mkv", "VLC.mkv"},
        {"Q&A \"Best\" <Player>", "Q&amp;A &quot;Best&quot; &lt;Player&gt;"},
        {"it's", "it&apos;s"},
        {"a\tb\r\nc", "a&#9;b&#13;&#10;c"},
        {std::string_view("x\x01y\x1f", 4), "xy"},  // XML 1.0 has no place for these
        {"Lecteur \xC3\xA9t\xC3\xA9", "Lecteur \xC3\xA9t\xC3\xA9"},
        {"&amp;", "&amp;amp;"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(XmlAttributeEscaped(c.text), c.escaped) << c.text;
    }
}

TEST(DefaultAssociations, OneAssociationAnExtensionUnderTheDeclaredRoot) {
    const RegisteredApplication application{
        "tplayer & co", {{".mkv", "TessalyZivozodPack.mkv"}, {".avi", "Old\"avi"}}};
    EXPECT_EQ(DefaultAssociationsXml(application),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
              "<DefaultAssociations>\r\n"
              "  <Association Identifier=\".mkv\" ProgId=\"TessalyZivozodPack.mkv\" "
              "ApplicationName=\"tplayer &amp; co\" />\r\n"
              "  <Association Identifier=\".avi\" ProgId=\"Old&quot;avi\" "
              "ApplicationName=\"tplayer &amp; co\" />\r\n"
              "</DefaultAssociations>\r\n");
}

}  // namespace
}  // namespace tzp::assoc
