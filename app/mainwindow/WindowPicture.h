#pragma once

// The picture drawn behind the main window's controls from its top-left corner: resource 119 on
// screens of about 96 dots per inch or less (15 twips or more to a pixel), 120 on finer ones.
namespace WindowPicture {

int PictureId(double dotsPerInch);

} // namespace WindowPicture
