// The panel's zoom list: the player sizes the picture to a choice (player/PanelWiring.cpp).
#include "panel/RemoteForm.h"

namespace kyvra {

void RemoteForm::wireZoomList() {
    // The list cannot be typed in, so choosing an entry is its only change.
    connect(cboZoomOpt, &QComboBox::activated, this, [this] { cboZoomOpt_Click(); });
}

void RemoteForm::cboZoomOpt_Click() {
    events.zoomChosen();
}

} // namespace kyvra
