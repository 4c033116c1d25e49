Attribute VB_Name = "Module1"
Option Explicit

' Run by the "Same as Previous" button of day column lngCol: copies the time
' entries of the nearest day column from lngCol - 1 on that has a first time
' into the day column after it.
Sub CopyTimes(lngCol As Long)
    Dim lastRow As Long
    Dim k As Long
    Dim found As Boolean

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

    Range(DayColumnLetter(k) & "11:" & DayColumnLetter(k) & lastRow).Copy
    If IsWeekName(Range(DayColumnLetter(k + 1) & "9").Text) Then
@COMPUTED_HOURS@        ' Regular and Overtime, 3 and 2 rows above the last, are the day's own
@COMPUTED_HOURS@        ' formulas (a week's running sum): the paste must not replace them.
@COMPUTED_HOURS@        Dim computed As Variant
@COMPUTED_HOURS@        computed = Range(DayColumnLetter(k + 1) & (lastRow - 3) & ":" & DayColumnLetter(k + 1) & (lastRow - 2)).FormulaR1C1
        Range(DayColumnLetter(k + 1) & "11:" & DayColumnLetter(k + 1) & lastRow).Select
        ActiveSheet.Paste
@COMPUTED_HOURS@        Range(DayColumnLetter(k + 1) & (lastRow - 3) & ":" & DayColumnLetter(k + 1) & (lastRow - 2)).FormulaR1C1 = computed
    End If
@PROTECTED_SHEET@    ActiveSheet.Protect

    Application.CutCopyMode = False
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

' True when a cell value is a number; times and dates count as numbers.
Private Function HoldsNumber(ByVal v As Variant) As Boolean
    Select Case VarType(v)
        Case vbInteger, vbLong, vbSingle, vbDouble, vbCurrency, vbDate
            HoldsNumber = True
    End Select
End Function
