#include "settings/DesktopIntegration.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace kyvra;

namespace {

const QStringList types{"video/mpeg", "video/x-msvideo"};

QByteArray edit(const QByteArray& list) {
    return withDefaultApplications(list, types, "kyvra-player.desktop");
}

} // namespace

TEST(DesktopExec, QuotesAndEscapesTheProgramForTheEntryFile) {
    EXPECT_EQ(execProgramField("/opt/My Apps/kyvra"), "\"/opt/My Apps/kyvra\"");
    // Quote, dollar and backtick take one backslash for the argument; every backslash is then
    // doubled for the file's string escaping. A percent sign is not a field code.
    EXPECT_EQ(execProgramField(R"(/o/"q"/$x/`c`/a\b/100%)"),
              R"("/o/\\"q\\"/\\$x/\\`c\\`/a\\\\b/100%%")");
    EXPECT_EQ(execProgramField("/o/line\nbreak\ttab"), R"("/o/line\nbreak\ttab")");
}

TEST(MimeAppsList, CreatesTheGroupWhenMissing) {
    const QByteArray group = "[Default Applications]\n"
                             "video/mpeg=kyvra-player.desktop;\n"
                             "video/x-msvideo=kyvra-player.desktop;\n";
    EXPECT_EQ(edit(""), group);
    // No final line break: one is added before the new group, and a blank line separates it.
    EXPECT_EQ(edit("[Added Associations]\nimage/png=viewer.desktop;"),
              "[Added Associations]\nimage/png=viewer.desktop;\n\n" + group);
}

TEST(MimeAppsList, ReplacesOnlyOurKeysInEveryCopyOfTheGroupAndKeepsEverythingElse) {
    const QByteArray before = "# managed by hand\n"
                              "[Added Associations]\n"
                              "video/mpeg=other.desktop;\n"
                              "\n"
                              "[Default Applications]\n"
                              "text/plain=editor.desktop;\n"
                              "  Video/MPEG = other.desktop;old.desktop;\r\n"
                              "# video/x-msvideo=commented.desktop;\n"
                              "\n"
                              "[Removed Associations]\n"
                              "image/png=viewer.desktop;\n";
    QByteArray after = before;
    after.replace("  Video/MPEG = other.desktop;old.desktop;", "video/mpeg=kyvra-player.desktop;")
        .replace("commented.desktop;\n",
                 "commented.desktop;\nvideo/x-msvideo=kyvra-player.desktop;\n");
    EXPECT_EQ(edit(before), after);
    EXPECT_EQ(edit(after), after) << "a second run changes nothing";

    // What is missing goes into the first copy, what is there is replaced in any; invalid UTF-8
    // and a missing final line break stay as they are.
    EXPECT_EQ(edit("[Default Applications]\nx/\xff=a.desktop;\n"
                   "[Default Applications]\nvideo/x-msvideo=b.desktop;"),
              "[Default Applications]\nx/\xff=a.desktop;\nvideo/mpeg=kyvra-player.desktop;\n"
              "[Default Applications]\nvideo/x-msvideo=kyvra-player.desktop;");
}
