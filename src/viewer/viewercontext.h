#pragma once

#include "displaystate.h"
#include "platformservices.h"

class QWidget;

namespace orv {

class DisplayEngine;
class ImageBoxView;
class PictureList;

// What the main window's command units work on: its state, its list, its
// display engine and controls, and the platform services.
struct ViewerContext {
    DisplayState *state = nullptr;
    PictureList *list = nullptr;
    DisplayEngine *engine = nullptr;
    ImageBoxView *view = nullptr;
    PlatformServices services;
    QWidget *window = nullptr; // parent of message boxes
};

} // namespace orv
