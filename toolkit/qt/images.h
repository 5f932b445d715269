#pragma once

#include "forms/colour.h"
#include "forms/picture.h"

#include <QImage>

namespace toolkit::qt {

// Decodes a description's picture; a picture that cannot be decoded gives a null image, an empty slot.
// With a key colour, its exact pixels become transparent.
QImage loadPicture(const forms::Picture& picture, forms::Colour keyColour = forms::SystemDefault);

// How many pictures made by loadPicture still hold their pixels (copies that share them count once),
// so that a test can see a closed window let go of all of its pictures.
int livePictures();

} // namespace toolkit::qt
