Option Explicit

' Run by the "Same as Previous" button of day column lngCol: copies the time
' entries of the nearest day column from lngCol - 1 on that has a first time
' into the day column after it. Cells are copied through the sheet's own
' interface, never the clipboard: numbers stay numbers, texts stay texts, and
' a formula keeps its relative references pointing at its own column.
Sub CopyTimes(lngCol As Long)
    Dim oSheet As Object
    Dim lastRow As Long
    Dim k As Long
    Dim r As Long
    Dim found As Boolean

    oSheet = ThisComponent.CurrentController.ActiveSheet
    lastRow = oSheet.getCellRangeByName("BC200").getValue()
    If lastRow = 0 Then lastRow = 21

    k = lngCol - 2
    Do
        k = k + 1
        If IsWeekName(DayCell(oSheet, k, 9).getString()) Then
            If HoldsNumber(DayCell(oSheet, k, 11)) Then found = True
        End If
        If k - lngCol = 7 Then
            ThisComponent.CurrentController.select(oSheet.getCellRangeByName("E11"))
            MsgBox @NO_DATA_MESSAGE@, 64, @INFORMATION_TITLE@
            Exit Sub
        End If
    Loop Until found

    If IsWeekName(DayCell(oSheet, k + 1, 9).getString()) Then
@PROTECTED_SHEET@        oSheet.unprotect("")
        For r = 11 To lastRow
@COMPUTED_HOURS@            ' Regular and Overtime, 3 and 2 rows above the last, are the day's own
@COMPUTED_HOURS@            ' formulas (a week's running sum): they stay.
@COMPUTED_HOURS@            If r < lastRow - 3 Or r > lastRow - 2 Then
            CopyCell DayCell(oSheet, k, r), DayCell(oSheet, k + 1, r)
@COMPUTED_HOURS@            End If
        Next r
@PROTECTED_SHEET@        oSheet.protect("")
    End If
    ThisComponent.CurrentController.select(DayCell(oSheet, k, 11))
End Sub

' The cell in sheet row `row` of day column k; day column 1 is column E and
' each day takes two columns.
Private Function DayCell(oSheet As Object, ByVal k As Long, ByVal row As Long) As Object
    If k < 1 Or k > @DAY_COLUMN_COUNT@ Then Error 9
    DayCell = oSheet.getCellByPosition(@FIRST_DAY_COLUMN_INDEX@ + @COLUMNS_PER_DAY@ * (k - 1), row - 1)
End Function

Private Function IsWeekName(ByVal text As String) As Boolean
    Dim names As Variant
    Dim i As Long
    names = Array(@DAY_NAMES@)
    For i = 0 To 6
        If text = names(i) Then
            IsWeekName = True
            Exit Function
        End If
    Next i
End Function

' True when the cell's value is a number, typed or computed; times count.
Private Function HoldsNumber(oCell As Object) As Boolean
    Select Case oCell.getType()
        Case com.sun.star.table.CellContentType.VALUE
            HoldsNumber = True
        Case com.sun.star.table.CellContentType.FORMULA
            HoldsNumber = (oCell.FormulaResultType2 = com.sun.star.sheet.FormulaResult.VALUE)
    End Select
End Function

' What a paste of one cell does to the content: the value with its type, or
' the formula moved with the cell (its tokens keep relative offsets).
Private Sub CopyCell(oFrom As Object, oTo As Object)
    Select Case oFrom.getType()
        Case com.sun.star.table.CellContentType.VALUE
            oTo.setValue(oFrom.getValue())
        Case com.sun.star.table.CellContentType.TEXT
            oTo.setString(oFrom.getString())
        Case com.sun.star.table.CellContentType.FORMULA
            oTo.setTokens(oFrom.getTokens())
        Case Else
            oTo.clearContents(com.sun.star.sheet.CellFlags.VALUE + com.sun.star.sheet.CellFlags.DATETIME _
                + com.sun.star.sheet.CellFlags.STRING + com.sun.star.sheet.CellFlags.FORMULA)
    End Select
End Sub
