#pragma once

#include <QString>

// The windows were designed in Arial and MS Sans Serif, which Debian does not ship; Liberation
// Sans, made with Arial's metrics, stands in for both. Asked for a family the system lacks, Qt
// searches fontconfig's fallbacks for it at every new size and weight, so the stand-in is
// chosen here, once, among the fonts the system has: the design family itself where it is
// installed. With none of them installed, the design family is asked for as before.
QString arialFamily();
QString msSansSerifFamily();
