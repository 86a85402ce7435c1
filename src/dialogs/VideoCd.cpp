// The Video CD command of the popup menu.
#include "dialogs/VideoCd.h"

#include "core/AppError.h"
#include "core/PathHelpers.h"
#include "dialogs/MenuForm.h"
#include "platform/Prompts.h"
#include "player/Player.h"
#include "player/Transport.h"

#include <algorithm>

namespace kyvra {

namespace {

// Video track, the same place on a karaoke or music disc, first segment item.
const char* const kTracks[] = {"/MPEGAV/AVSEQ01.DAT", "/MPEGAV/MUSIC01.DAT",
                               "/SEGMENT/ITEM0001.DAT"};

// Where this system mounts the optical drive.
const QString kDefaultDrive = QStringLiteral("/media/cdrom");

} // namespace

QStringList VcdTrackLocations(const QString& drive) {
    QStringList locations;
    for (const char* track : kTracks) {
        const QString onDisc = QString::fromLatin1(track);
        locations << drive + onDisc << drive + onDisc.toLower();
    }
    return locations;
}

void MenuForm::openvcd_Click() {
    Prompts& prompts = player_.prompts();
    const QString drive =
        prompts.inputBox(QStringLiteral("Enter Drive letter that VCD is in. (ie, D:)"),
                         QStringLiteral("Open VCD..."), kDefaultDrive);
    const QStringList locations = VcdTrackLocations(drive);
    const auto found = std::find_if(locations.cbegin(), locations.cend(), FileExists);
    if (found == locations.cend()) {
        prompts.messageBox(
            QStringLiteral("Unable to locate VCD in selected Drive. \r\n"
                           "Make sure your attempting to play a properly formatted VCD. \r\n\r\n"
                           "If your sure the VCD is playable, load the video file via the normal "
                           "load menu."),
            MsgButtons::Ok, MsgIcon::None, QString());
        return;
    }
    try {
        LoadMedia(player_, *found, QString());
    } catch (const AppError&) {
        // Loading reports its own failures; this is the report itself failing.
        prompts.messageBox(QStringLiteral("Unable to open VCD..."), MsgButtons::Ok, MsgIcon::None,
                           QString());
    }
}

} // namespace kyvra
