#pragma once
// The automation object model in one include.
#include "spreadsheet/api/application.h"
#include "spreadsheet/api/range.h"
#include "spreadsheet/api/workbook.h"
#include "spreadsheet/api/worksheet.h"
#include "spreadsheet/model/constants.h"
#include "spreadsheet/model/error.h"
#include "spreadsheet/model/workbook.h"
