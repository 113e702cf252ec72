' The installed control as a host's script sees it: created by its ProgID, checking a sentence,
' and keeping a word in the default user dictionary. Argument "add" adds the word; "keeps" only
' expects it to be there. Ends with "ALL PASS" when every check held.
Option Explicit
Dim failures : failures = 0
Sub Check(condition, what)
  If Not condition Then
    WScript.Echo "FAIL: " & what
    failures = failures + 1
  End If
End Sub

Const kWord = "Fernhollowish"
Dim control, flags
Set control = CreateObject("VANTOR.VantorCtrl.3")
control.ShowDialog = False
control.Text = "This sentense is checked by the installed control."
flags = control.Start()
Call Check((flags And 1) = 1, "a misspelling stops the check, flags " & flags)
Call Check(control.MisspelledWord = "sentense", "the stop is at " & control.MisspelledWord)
control.Suggest
Call Check(control.SuggestionCount > 0, "suggestions for the misspelling")
Call Check(control.Suggestion(0) = "sentence", "the first suggestion is " & control.Suggestion(0))

If WScript.Arguments(0) = "add" Then
  Call Check(control.UserDictionaryWordAction("userdic.tlx", kWord) = -3, "a new word is new")
  Call Check(control.AddToUserDictionary("userdic.tlx", kWord, 105, "") = 0, "the word is added")
End If
Call Check(control.UserDictionaryWordAction("userdic.tlx", kWord) = 105, "the word is kept")
control.Text = "The word " & kWord & " is known now."
Call Check(control.Start() = 64, "the text with the word is clean")

If failures = 0 Then WScript.Echo "ALL PASS"
WScript.Quit failures
