// The tables of an opened school as one JSON object, for `orve-cli dump`.
#pragma once

#include <QJsonObject>

namespace orve {
struct Workspace;
}

namespace orve::cli {

QJsonObject schoolJson(const Workspace& ws);

} // namespace orve::cli
