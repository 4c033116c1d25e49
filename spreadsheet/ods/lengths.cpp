#include "spreadsheet/ods/lengths.h"

#include <QRegularExpression>

#include "spreadsheet/model/units.h"

namespace spreadsheet::ods {

QString points(double value) {
  return QString::number(value, 'f', 4).remove(QRegularExpression("\\.?0+$")) + "pt";
}

QString pixelLength(long long pixels) {
  return points(PixelsToPoints(static_cast<double>(pixels)));
}

}  // namespace spreadsheet::ods
