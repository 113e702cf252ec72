' Checks a text through the control's automation interface as a script host would, with a
' private dictionary of known words. Ends with "ALL PASS" when every check held.
Option Explicit
Dim failures : failures = 0

Sub Check(description, actual, expected)
  If actual = expected Then
    WScript.Echo "ok   " & description
  Else
    WScript.Echo "FAIL " & description & ": got [" & actual & "], expected [" & expected & "]"
    failures = failures + 1
  End If
End Sub

Dim fso, folder, dictionary, control, i, found, flags
Set fso = CreateObject("Scripting.FileSystemObject")
folder = fso.GetSpecialFolder(2) & "\" & fso.GetTempName()
fso.CreateFolder folder
dictionary = folder & "\words.tlx"

Set control = CreateObject("VANTOR.VantorCtrl.3")
Check "version", control.Version, "5.15.6"
control.MainDictionaryFiles = ""
control.UserDictionaryFiles = ""
Check "create dictionary", control.CreateUserDictionary(dictionary, 30840), 0
For Each i In Array("the", "cat", "sat", "on", "mat")
  Check "add " & i, control.AddToUserDictionary(dictionary, i, 105, ""), 0
Next

control.Text = "the cat sat on teh mat"
flags = control.Resume()
Check "stop flags", flags, 1
Check "problem word", control.MisspelledWord, "teh"
Check "offset", control.WordOffset, 15
control.Suggest
found = False
For i = 0 To control.SuggestionCount - 1
  If control.Suggestion(i) = "the" Then found = True
Next
Check "the among suggestions", found, True
control.ReplacementWord = "the"
Check "replace", control.ReplaceWord(), 0
Check "text after replace", control.Text, "the cat sat on the mat"
Check "end of text", control.Resume(), 64
Check "replaced count", control.WordsReplacedCount, 1

control.Close
Set control = Nothing
fso.DeleteFolder folder, True

If failures = 0 Then
  WScript.Echo "ALL PASS"
  WScript.Quit 0
End If
WScript.Echo failures & " FAILED"
WScript.Quit 1
