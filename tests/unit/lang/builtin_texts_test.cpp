#include <gtest/gtest.h>

#include <set>
#include <string>

#include "fakes/fake_system.h"
#include "lang/builtin_texts.h"
#include "lang/lang.h"

namespace tzp {
namespace {

// The placeholders a text holds: a translation that drops or adds one loses a value.
std::multiset<std::string> Marks(std::string_view text) {
    std::multiset<std::string> marks;
    for (size_t at = text.find('%'); at != std::string_view::npos; at = text.find('%', at + 1)) {
        if (at + 1 < text.size() && text[at + 1] >= '1' && text[at + 1] <= '9') {
            marks.insert(std::string(text.substr(at, 2)));
        }
    }
    return marks;
}

TEST(BuiltinTexts, EveryIdHasBothLanguagesWithTheSameMarks) {
    const auto texts = lang::BuiltinTexts();
    ASSERT_EQ(texts.size(), lang::kBuiltinIds.size());
    for (size_t i = 0; i < texts.size(); ++i) {
        const auto& text = texts[i];
        EXPECT_EQ(text.id, lang::kBuiltinIds[i]);
        EXPECT_EQ(text.id.size(), 3u);
        EXPECT_TRUE(i == 0 || texts[i - 1].id < text.id) << text.id << " is out of order";
        EXPECT_FALSE(text.english.empty()) << text.id;
        EXPECT_FALSE(text.french.empty()) << text.id;
        EXPECT_EQ(Marks(text.english), Marks(text.french)) << text.id;
    }
}

TEST(BuiltinTexts, TheLanguageFileOverridesTheTable) {
    struct Case {
        const char* code;
        const char* file;  // nullptr: no language file
        const char* expected;
    };
    const Case cases[] = {
        {"fr", nullptr, "Ce programme n'a pas pu être démarré :"},
        {"en", nullptr, "This program could not be started:"},
        {"de", nullptr, "This program could not be started:"},
        {"fr", "009=Appliquer\r\n", "Ce programme n'a pas pu être démarré :"},
        {"fr", "009=Appliquer\r\n060=Du fichier\r\n", "Du fichier"},
        {"de", "060=Aus der Datei\r\n", "Aus der Datei"},
    };
    for (const auto& c : cases) {
        fakes::FakeSystem sys;
        sys.form->SetText("langg", c.code);
        if (c.file != nullptr) {
            sys.files.AddFile(lang::LangFilePath(sys.app, c.code), c.file);
        }
        EXPECT_EQ(lang::LookupLangStringOr(sys.app, "060"), c.expected) << c.code;
    }
}

}  // namespace
}  // namespace tzp
