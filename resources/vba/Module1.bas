Attribute VB_Name = "Module1"
Option Explicit

' Run by the "Same as Previous" button of day column lngCol: copies the time
' entries of the nearest day column from lngCol - 1 on that has a first time
' into the day column after it.
Sub CopyTimes(lngCol As Long)
    Dim lastRow As Long
    Dim k As Long
    Dim found As Boolean
    Dim r As Long

    lastRow = Range("BC200").Value
    If lastRow = 0 Then lastRow = 21

    k = lngCol - 2
    Do
        k = k + 1
        ' A picked time is a number whose text ("8:00:00 AM") is not numeric,
        ' so the type of the cell's value is tested.
        If IsWeekName(Range(DayColumnLetter(k) & "9").Text) Then
            If HoldsNumber(Range(DayColumnLetter(k) & "11").Value) Then found = True
        End If
        If k - lngCol = 7 Then
            Range("E11").Select
            MsgBox @NO_DATA_MESSAGE@, vbInformation, @INFORMATION_TITLE@
            Exit Sub
        End If
    Loop Until found

    Application.EnableEvents = False
    Application.DisplayAlerts = False
    Application.ScreenUpdating = False
@PROTECTED_SHEET@    ActiveSheet.Unprotect

    ' Cell by cell, never through the clipboard: the user's clipboard keeps
    ' what it held, and the day's merged rows are written through their first
    ' cell, which every reader accepts. A formula keeps its relative references.
    If IsWeekName(Range(DayColumnLetter(k + 1) & "9").Text) Then
        For r = 11 To lastRow
@COMPUTED_HOURS@            ' Regular and Overtime, 3 and 2 rows above the last, are the day's own
@COMPUTED_HOURS@            ' formulas (a week's running sum): they stay.
@COMPUTED_HOURS@            If r < lastRow - 3 Or r > lastRow - 2 Then
            CopyCell Range(DayColumnLetter(k) & r), Range(DayColumnLetter(k + 1) & r)
@COMPUTED_HOURS@            End If
        Next r
    End If
@PROTECTED_SHEET@    ActiveSheet.Protect

    Application.EnableEvents = True
    Application.DisplayAlerts = True
    Range(DayColumnLetter(k) & "11").Select
    Application.ScreenUpdating = True
End Sub

' Sheet column letter of day column k (1 = "E"); each day takes two columns.
Private Function DayColumnLetter(ByVal k As Long) As String
    Dim letters As Variant
    letters = Array(@DAY_COLUMN_LETTERS@)
    DayColumnLetter = letters(k - 1)
End Function

Private Function IsWeekName(ByVal text As String) As Boolean
    Dim names As Variant
    Dim i As Long
    names = Array(@DAY_NAMES@)
    For i = 1 To 7
        If text = names(i - 1) Then
            IsWeekName = True
            Exit Function
        End If
    Next i
End Function

' What a paste does to one cell's content: the formula, or the value.
Private Sub CopyCell(ByVal source As Range, ByVal target As Range)
    If source.HasFormula Then
        target.FormulaR1C1 = source.FormulaR1C1
    Else
        target.Value = source.Value
    End If
End Sub

' True when a cell value is a number; times and dates count as numbers.
Private Function HoldsNumber(ByVal v As Variant) As Boolean
    Select Case VarType(v)
        Case vbInteger, vbLong, vbSingle, vbDouble, vbCurrency, vbDate
            HoldsNumber = True
    End Select
End Function
