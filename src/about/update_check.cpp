#include "about/update_check.h"

#include "lang/lang.h"
#include "lang/text_ids.h"
#include "platform/run_and_wait.h"
#include "platform/text.h"
#include "ui/wait_panel.h"

namespace tzp::about {

namespace {

std::string CouldNotRemoveOldAnswer(App& app, platform::Status status) {
    return lang::LookupLangStringOr(app, lang::text::kOldAnswerNotRemoved) + "\n\n" +
           AnswerFilePath(app) + "\n" + app.sys.errors.Describe(status.error);
}

std::string CouldNotStartUpdater(App& app, const std::string& errorText) {
    return lang::LookupLangStringOr(app, lang::text::kUpdaterNotStarted) + "\n\n" +
           UpdaterPath(app) + "\n" + errorText;
}

std::string UpdaterGaveNoAnswer(App& app) {
    return lang::LookupLangStringOr(app, lang::text::kUpdaterGaveNoAnswer);
}

}  // namespace

std::string UpdaterPath(const PackServices& pack) {
    return pack.packDir + "\\dod.exe";
}

std::string AnswerFilePath(const PackServices& pack) {
    return pack.packDir + "\\maj.txt";
}

std::string UpdaterCommandLine(const App& app) {
    std::string line = "\"";
    line.append(UpdaterPath(app)).append("\" /TESSAVERSION=");
    return line.append(lang::LookupLangString(app, lang::text::kPackVersion));
}

std::string AnswerOf(std::string_view content) {
    for (auto& line : platform::SplitLines(content)) {
        if (!line.empty()) {
            return line;
        }
    }
    return {};
}

bool AnswerMeansNewerPack(std::string_view answer) {
    return answer == "1";
}

std::string AskUpdater(App& app) {
    auto& files = app.sys.files;
    const std::string answerFile = AnswerFilePath(app);
    // An answer left by an earlier check would otherwise pass for the updater's own.
    if (files.FileExists(answerFile)) {
        if (const auto removed = files.Remove(answerFile); !removed.ok()) {
            return CouldNotRemoveOldAnswer(app, removed);
        }
    }

    std::string errorText;
    const bool ran = platform::RunAndWait(app.sys.processes, app.sys.ui, UpdaterCommandLine(app),
                                          platform::WindowStyle::Normal, errorText);
    app.sys.ui.DoEvents();
    if (!ran) {
        return CouldNotStartUpdater(app, errorText);
    }

    const auto bytes = files.ReadAll(answerFile);
    app.sys.ui.DoEvents();
    if (!bytes) {
        return UpdaterGaveNoAnswer(app);
    }
    const bool newer = AnswerMeansNewerPack(AnswerOf(platform::DecodeTextFile(*bytes)));
    return lang::LookupLangString(app, newer ? lang::text::kNewerVersion : lang::text::kUpToDate);
}

void RunUpdateCheck(App& app) {
    auto& form = app.form;
    {
        const ui::WaitPanel wait(form, kUpdatePanelShown, kUpdatePanelShown, kUpdatePanelParked,
                                 kUpdatePanelParked);
        app.sys.ui.DoEvents();
        app.sys.ui.ShowMessage(AskUpdater(app));
        app.sys.ui.DoEvents();
    }
    // The answer is used up; a failed removal is caught before the next check runs.
    if (app.sys.files.FileExists(AnswerFilePath(app))) {
        (void)app.sys.files.Remove(AnswerFilePath(app));
    }
}

}  // namespace tzp::about
