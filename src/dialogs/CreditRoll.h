#pragma once

#include <QRgb>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace kyvra {

// One text block of the about box's credits, in the picture's twips.
struct CreditBlock {
    QString text;
    float top = 0;
    int fontSize = 9;
    float height = 0;
    QRgb colour = qRgb(255, 255, 255);
};

// The credits' motion without any window: the blocks rise one at a time from just below the
// picture, turning from pale yellow to black and shrinking as they near the top; when the last
// has left, all start again. One tick of the one running timer moves the running block.
class CreditRoll {
public:
    // The height in twips of a block's text at a font size in points.
    using Measure = std::function<float(const QString& text, int fontSize)>;

    CreditRoll(const QStringList& texts, float pictureHeight, Measure measure);

    // 0 while the starter runs (it hands over to the first block on its tick), else the number
    // of the block that moves, from 1.
    int running() const { return running_; }
    void tick();

    const std::vector<CreditBlock>& blocks() const { return blocks_; }

    // The colour and the font size of a block whose top, rounded, is at the given twips.
    static QRgb colourAt(int top, float pictureHeight);
    static int fontSizeAt(int top);

private:
    void resize(CreditBlock& block, int fontSize);
    void restart();

    std::vector<CreditBlock> blocks_;
    float pictureHeight_;
    Measure measure_;
    int running_ = 0;
};

} // namespace kyvra
