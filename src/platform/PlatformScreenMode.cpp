#include "PlatformScreenMode.h"

#include <QGuiApplication>
#include <QScreen>

void PlatformScreenMode::setup() {
    if (!qGuiApp)
        return;
    const QScreen* screen = QGuiApplication::primaryScreen();
    m_size = screen ? screen->size() : QSize(SmallScreenWidth, SmallScreenHeight);
}
