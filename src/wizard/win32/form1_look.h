#pragma once
// What the main window shows beyond its controls' kinds and places: the bold
// headings, the underlined link sample, the colour sample's panel, the hint
// pictures and the menu pictures.
#include <memory>

// The wizard's headers come first: the menu drawing names some of its values
// as <windows.h> names its macros.
#include "wizard/form1.h"

#include "form/win32/binder.h"
#include "form/win32/bitmap.h"
#include "form/win32/fonts.h"

// clang-format off
#include <windows.h>
// clang-format on

namespace pelin::wizard::win32 {

// The controls shown in the bold font: the step list's title and each step's
// headings.
inline constexpr const char* kHeadings[] = {"MainmenuTitle", "HTMLFileTitle",   "HTMLTitle",  "HTMLKeyword",
                                            "HTMLMidashi",   "DLinkColorTitle", "DTranTitle", "BodyTitle",
                                            "Label12",       "PageSTitle",      "Label13",    "Label14",
                                            "Label15",       "Label16",         "Label91",    "Label17"};

// Makes the containers whose look the binder's plain frames lack, before the
// binder binds them: the navigation buttons' container, a window of no border;
// and the colour sample, a sunken panel of the background colour, with the
// step frame that holds it.
void makeOwnContainers(HWND form);

// Lets the frames paint the face behind their controls, which a group box
// leaves to whatever was there before.
void paintFrameFaces(form::win32::Binder& binder, const Form1& model);

// Lets the colour sample's texts stand on the panel's own colour.
void showSampleOnItsPanel(form::win32::Binder& binder, const Form1& model);

// The program's font at 9 points, underlined, as a link is shown.
form::win32::Font underlinedFont(UINT dpi);

// Draws the hint picture (for the binder's dots per inch, kept in `hint`) in
// each of the window's hint images.
void showHints(form::win32::Binder& binder, std::shared_ptr<form::win32::Bitmap>& hint);

// The menu pictures, each keyed by the caption of the item that shows it.
void addMenuPictures(Form1& model, UINT dpi);

}  // namespace pelin::wizard::win32
