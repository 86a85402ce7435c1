// The panel's zoom list: a choice sizes the picture, then the panel goes back to its Main view.
#include "core/AppError.h"
#include "panel/RemoteForm.h"
#include "player/ErrorReport.h"
#include "player/Player.h"
#include "player/Zoom.h"

namespace kyvra {

void RemoteForm::wireZoomList() {
    // The list cannot be typed in, so choosing an entry is its only change.
    connect(cboZoomOpt, &QComboBox::activated, this, [this] { cboZoomOpt_Click(); });
}

void RemoteForm::cboZoomOpt_Click() {
    try {
        if (!ApplyZoomChoice(player_, cboZoomOpt->currentText()))
            return;
        if (!player_.state.IsFullScreen) {
            activateWindow();
            setFocus();
        }
        HideZoomView();
        ShowMainView();
    } catch (const AppError& error) {
        ReportError(player_, error,
                    QStringLiteral("An error occured while attempting to zoom the video."));
    }
}

} // namespace kyvra
