#pragma once

#include "dialogs/CreditRoll.h"
#include "platform/TwipsControl.h"

#include <QPixmap>

namespace kyvra {

// The about box's scrolling area: a blue gradient drawn once, with the credit blocks painted
// over it where the roll has put them.
class CreditsPicture : public TwipsControl<QWidget> {
public:
    CreditsPicture(QWidget* parent, const Screen& screen);

    // Bands 50 twips high from full blue at the top to black at the bottom.
    void paintGradient();
    void setRoll(const CreditRoll* roll) { roll_ = roll; }

    QFont blockFont(int fontSize) const;
    // The height in twips a text takes at a font size.
    float textHeight(const QString& text, int fontSize) const;
    // Where a block lies, in pixels.
    QRect blockRect(const CreditBlock& block) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap background_;
    const CreditRoll* roll_ = nullptr;
};

} // namespace kyvra
