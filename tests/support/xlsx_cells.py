"""openpyxl, a reader written by nobody here, on a workbook for the tests.

  xlsx_cells.py read FILE
      Prints as JSON the creator and, for each sheet, its frozen pane, column
      widths and every cell's type (openpyxl's data_type), value and number
      format.
  xlsx_cells.py resave FILE [NAME=VALUE...]
      Opens the workbook and saves it again, as another program would, with
      the document properties given (creator, lastModifiedBy, modified as
      YYYY-MM-DDTHH:MM:SS).
"""

import datetime
import json
import sys

import openpyxl


def cell_json(cell):
    value = cell.value
    if isinstance(value, datetime.datetime):
        value = value.date().isoformat()
    return {"type": cell.data_type, "value": value, "format": cell.number_format}


def read(path):
    book = openpyxl.load_workbook(path)
    sheets = []
    for sheet in book.worksheets:
        sheets.append({
            "title": sheet.title,
            "frozen": sheet.freeze_panes,
            "widths": {key: dim.width for key, dim in sheet.column_dimensions.items()},
            "rows": [[cell_json(cell) for cell in row] for row in sheet.iter_rows()],
        })
    print(json.dumps({"creator": book.properties.creator, "sheets": sheets}))


def resave(path, settings):
    book = openpyxl.load_workbook(path)
    for setting in settings:
        name, value = setting.split("=", 1)
        if name == "modified":
            value = datetime.datetime.fromisoformat(value)
        setattr(book.properties, name, value)
    book.save(path)


if sys.argv[1] == "read":
    read(sys.argv[2])
else:
    resave(sys.argv[2], sys.argv[3:])
