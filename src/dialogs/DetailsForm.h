#pragma once

#include "platform/Form.h"
#include "platform/Timer.h"

#include <QLabel>
#include <QPushButton>
#include <functional>

namespace kyvra {

class Player;

// "Movie Information": what the engine knows about the loaded file and its playback, read afresh
// every 50 ms while the window is open. It only reads; nothing in it changes playback. Created
// when opened and destroyed when closed.
class DetailsForm : public Form {
public:
    explicit DetailsForm(Player& player);

    // Frame "Details".
    QLabel* FPS;
    QLabel* duration;
    QLabel* streams;
    QLabel* valid;
    QLabel* mwidth;
    QLabel* mheight;
    QLabel* broadcast;
    QLabel* items;
    QLabel* picture;
    // Frame "Status".
    QLabel* subenabled;
    QLabel* rate;
    QLabel* muted;
    QLabel* lostpackets;
    QLabel* sndcard;
    QLabel* currentframe;
    QLabel* buffering;
    QLabel* volume;

    QPushButton* Command1;
    Timer* Timer1;

    // Reads every changing value from the engine again.
    void refresh();
    void Command1_Click();

protected:
    void Form_KeyDown(int keyCode, int shift) override;
    void Form_QueryUnload(bool& cancel) override;

private:
    void Form_Load();
    void Form_Unload();
    // A value the engine cannot give right now shows as empty rather than stopping the refresh.
    static void showValue(QLabel* label, const std::function<QString()>& value);

    Player& player_;
};

} // namespace kyvra
