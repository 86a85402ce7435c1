// The movie information window: what it measures at opening, reads on each refresh, and closing.
#include "dialogs/DetailsForm.h"
#include "support/PlayerFixture.h"

#include <QLocale>

using namespace kyvra;

namespace {

class DetailsWindow : public test::PlayerFixture {
protected:
    DetailsForm& open(test::FakeEngine::Media media = {90.6, 25, 352, 240, {}}) {
        makeStartedPlayer();
        engine->setFileName(makeMediaFile(QStringLiteral("clip.avi"), media));
        engine->play();
        menu().details_Click();
        return *menu().detailsfrm;
    }

    static QString shown(DetailsForm& d) {
        QStringList texts;
        for (QLabel* value :
             {d.FPS, d.duration, d.mwidth, d.mheight, d.streams, d.valid, d.broadcast, d.picture,
              d.volume, d.rate, d.muted, d.subenabled, d.currentframe})
            texts << value->text();
        return texts.join(QLatin1Char('|'));
    }

    bool closed() {
        deleteClosedWindows();
        return !menu().detailsfrm && !player->windows.dialogOpen;
    }
};

TEST_F(DetailsWindow, ShowsTheMeasuredAndLiveValuesInTheUsersNotationUntilClosed) {
    DetailsForm& details = open();
    EXPECT_EQ(shown(details), "25|91 secs|352|240|2|True|False|Software|100%|100%|False|False|0");
    EXPECT_DOUBLE_EQ(engine->duration(), 90.6) << "the engine is left counting in seconds";

    const QLocale usual;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    engine->setRate(1.5);
    engine->setVolume(-600);
    engine->setMute(true);
    engine->advance(2.5);
    player->options.useSubs = true;
    details.Timer1->tick();
    QLocale::setDefault(usual);
    EXPECT_EQ(shown(details), "25|91 secs|352|240|2|True|False|Software|80%|150%|True|True|3,75");

    engine->setRate(0.25);
    engine->setVolume(-3075);
    details.refresh();
    EXPECT_EQ(details.rate->text(), "25%");
    EXPECT_EQ(details.volume->text(), "-2%") << "-2.5 rounds to the even neighbour";
    EXPECT_TRUE(details.Timer1->isCounting());

    // OK and the close box both close it and clear the dialog flag; one window at a time.
    details.Command1->click();
    EXPECT_TRUE(closed());
    menu().details_Click();
    DetailsForm* again = menu().detailsfrm;
    ASSERT_TRUE(again);
    EXPECT_TRUE(player->windows.dialogOpen);
    menu().details_Click();
    EXPECT_EQ(menu().detailsfrm, again);
    again->close();
    EXPECT_TRUE(closed());

    // Media without a length opens too, and the window keeps reading across a stop and an unload.
    DetailsForm& bare = open({0, 25, 0, 0, {}});
    engine->stop();
    engine->setFileName(QString());
    engine->setVolume(std::numeric_limits<int>::max());
    bare.refresh();
    EXPECT_EQ(shown(bare), "0|0 secs|0|0|0|False|False|Software||100%|False|False|-1")
        << "beyond a 32-bit sum there is no percentage; the rows after it still refresh";
}

} // namespace
