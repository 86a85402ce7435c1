#include "dialogs/CreditRoll.h"

#include "core/Rounding.h"

#include <algorithm>

namespace kyvra {

namespace {

constexpr float step = 5;
// A change of size lifts the block a little further, so the shrinking text keeps up.
constexpr float resizeStep = 2;
// Blocks wait this far below the picture, and leave this far above it.
constexpr float offPicture = 10;
constexpr int fullSize = 9;
constexpr int restartSize = 5;

int component(int top, float pictureHeight, int scale) {
    const double value = roundHalfEven(double(top) * scale / pictureHeight);
    return int(std::clamp(value, 0.0, 255.0));
}

} // namespace

CreditRoll::CreditRoll(const QStringList& texts, float pictureHeight, Measure measure)
    : pictureHeight_(pictureHeight), measure_(std::move(measure)) {
    for (const QString& text : texts) {
        CreditBlock block;
        block.text = text;
        block.top = pictureHeight_ + offPicture;
        resize(block, fullSize);
        blocks_.push_back(block);
    }
}

QRgb CreditRoll::colourAt(int top, float pictureHeight) {
    return qRgb(component(top, pictureHeight, 2000), component(top, pictureHeight, 1000),
                component(top, pictureHeight, 100));
}

int CreditRoll::fontSizeAt(int top) {
    const double size = roundHalfEven(top / 100.0 * 3);
    if (size <= 0)
        return 1;
    return size > fullSize ? fullSize : int(size);
}

void CreditRoll::resize(CreditBlock& block, int fontSize) {
    block.fontSize = fontSize;
    block.height = measure_(block.text, fontSize);
}

void CreditRoll::tick() {
    if (blocks_.empty())
        return;
    if (running_ == 0) {
        running_ = 1;
        return;
    }
    CreditBlock& block = blocks_[running_ - 1];
    block.top -= step;
    const int top = int(roundHalfEven(block.top));
    block.colour = colourAt(top, pictureHeight_);
    const int size = fontSizeAt(top);
    if (block.fontSize != size) {
        resize(block, size);
        block.top -= resizeStep;
    }
    if (block.top > -block.height - offPicture)
        return;
    if (running_ < int(blocks_.size()))
        ++running_;
    else
        restart();
}

// From the second pass on the blocks wait at a smaller size; their first tick brings them back
// to full size.
void CreditRoll::restart() {
    for (CreditBlock& block : blocks_) {
        resize(block, restartSize);
        block.top = pictureHeight_ + offPicture;
    }
    running_ = 0;
}

} // namespace kyvra
