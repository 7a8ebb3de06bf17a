#pragma once

#include <QString>

// The firmware version as the scene shows it: the major byte in upper-case hexadecimal padded to
// two characters with a blank, a dot, the minor byte padded with "0" (0x01 0x05 gives " 1.05").
QString firmwareVersionText(uchar major, uchar minor);
