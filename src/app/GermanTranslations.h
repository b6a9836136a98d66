#pragma once

class QCoreApplication;

// Makes German the default locale and loads Qt's own German texts, so that calendars,
// message boxes and context menus read German.
void installGermanTranslations(QCoreApplication& application);
