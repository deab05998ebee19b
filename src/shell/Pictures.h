// The program's own pictures from the Qt resources: the splash and logo (JPEG, decoded with libjpeg) and
// the PNG flags, pad images, flag signal and compass rose.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace shell {

// Registers the compiled-in resources (pictures and the gun sound); a static library's own registration
// can be dropped by the linker, so every program calls this once at start.
void InitShellResources();

// Decodes a baseline or progressive JPEG; a null image when the data is not a JPEG.
QImage DecodeJpeg(const QByteArray& data);

// A picture of the resources by name: "splash", "logo" (JPEG) or "usa", "jpn", "up_f", "up_t", "stop_f",
// "stop_t", "dn_f", "dn_t", "plus", "minus", "blue_p", "compass" (PNG). Null when there is none.
QImage Picture(const QString& name);

}  // namespace shell
