#pragma once
// The named colours (RGB) that several windows share.
namespace vintaro {

constexpr unsigned kFaceGrey = 0xE0E0E0;   // window face
constexpr unsigned kWindowGrey = 0xC0C0C0; // darker face, grid lines
constexpr unsigned kCaptionBlue = 0x0000FF; // captions and figures
constexpr unsigned kYellow = 0xFFFF00;

} // namespace vintaro
