#include "builtin_resources.h"

#include <QFile>
#include <QString>

namespace vorpo::resources {

QByteArray BuiltInSound(std::string_view name) {
  // A path separator must not lead into another folder of the resources.
  if (name.empty() || name.find('/') != std::string_view::npos) return {};
  // Resource names are case-blind on Windows; the files here carry them in capitals.
  QString fileName = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
  QFile file(QStringLiteral(":/sounds/") + fileName.toUpper() + QStringLiteral(".wav"));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

}  // namespace vorpo::resources
