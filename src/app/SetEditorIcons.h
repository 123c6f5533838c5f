#pragma once
// Small drawn icons for the set editor's tool buttons, chosen by hint.

#include <QIcon>
#include <QString>

namespace rho {

QIcon setEditorIcon(const QString& hint);

}  // namespace rho
