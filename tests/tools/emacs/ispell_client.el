;;; ispell_client.el --- Emacs's own spelling client on the tool, with stock settings.
;;
;; ispell-region talks to "vantor -a" through its pipe, and the test answers its prompts as a
;; user would: space to skip a word, "i" to put one into the personal dictionary.  flyspell checks
;; the same text word by word through the pipe and, past `flyspell-large-region', through the
;; list mode ("vantor -l").  Whatever the client flagged or offered is read back from the client.

(require 'ispell)
(require 'flyspell)
(require 'cl-lib)

(setq ispell-program-name (car command-line-args-left))
(setq command-line-args-left nil)
;; Save the personal dictionary without asking, as a user answering yes would.
(setq ispell-silently-savep t)

(defconst vantor-text
  "The quick brown fox jumpd over the lazy dog.\nWe got a leter from her on Monday.\n")

;; Emacs sends the text of its default dictionary in ISO-8859-1, and ispell-region sends whole
;; lines, so accented words reach the tool whole and must pass. (flyspell's default word
;; characters are ASCII letters: it splits such words itself, so its checks leave them out.)
(defconst vantor-accented-line "Coffee at the café in Düsseldorf.\n")

(defvar vantor-failures 0)

(defun vantor-expect (what got want)
  (if (equal got want)
      (message "ok: %s" what)
    (setq vantor-failures (1+ vantor-failures))
    (message "FAIL: %s: got %S, want %S" what got want)))

(defvar vantor-flagged nil
  "Words the client stopped at, most recent first, each with the suggestions it offered.")
(defvar vantor-insert nil
  "The word to answer with \"i\" (insert into the personal dictionary).")

(defun vantor-answer-prompt (command-loop miss guess word start end)
  "Record what the client shows for WORD, then answer its prompt with one key."
  (push (cons word miss) vantor-flagged)
  (cl-letf (((symbol-function 'read-key)
             (lambda (&rest _) (if (equal word vantor-insert) ?i ?\s))))
    (funcall command-loop miss guess word start end)))
(advice-add 'ispell-command-loop :around #'vantor-answer-prompt)

(defun vantor-show-text (text)
  "A fresh buffer holding TEXT, in the selected window, where the client highlights."
  (switch-to-buffer (get-buffer-create "vantor-text"))
  (erase-buffer)
  (insert text))

(defun vantor-ispell-region ()
  "The words ispell-region stops at in `vantor-text' and the accented line, in order, with
their suggestions."
  (setq vantor-flagged nil)
  (vantor-show-text (concat vantor-text vantor-accented-line))
  (ispell-region (point-min) (point-max))
  (reverse vantor-flagged))

(defun vantor-flyspell-buffer (large-region)
  "The words flyspell marks in `vantor-text', checking at most LARGE-REGION characters at once."
  (vantor-show-text vantor-text)
  (let ((flyspell-large-region large-region)
        (flyspell-issue-message-flag nil))
    (flyspell-buffer))
  (let (words)
    (dolist (overlay (overlays-in (point-min) (point-max)))
      (when (flyspell-overlay-p overlay)
        (push (cons (overlay-start overlay)
                    (buffer-substring (overlay-start overlay) (overlay-end overlay)))
              words)))
    (mapcar #'cdr (sort words (lambda (a b) (< (car a) (car b)))))))

(defconst vantor-personal
  (expand-file-name "~/.local/share/vantor/personal.tlx"))

;; The version check and the pipe's start happen inside the first check.
(let ((flagged (vantor-ispell-region)))
  (vantor-expect "ispell-region flags the misspellings" (mapcar #'car flagged) '("jumpd" "leter"))
  (vantor-expect "the first suggestion for leter" (car (cdr (assoc "leter" flagged))) "letter")
  (vantor-expect "suggestions for jumpd include jumped"
                 (and (member "jumped" (cdr (assoc "jumpd" flagged))) t) t)
  (message "suggestions for leter: %S" (cdr (assoc "leter" flagged))))
(vantor-expect "flyspell through the pipe" (vantor-flyspell-buffer 100000) '("jumpd" "leter"))
(vantor-expect "flyspell through list mode" (vantor-flyspell-buffer 1) '("jumpd" "leter"))

;; "i" on jumpd: the client sends "*jumpd", then "#" to save.
(setq vantor-insert "jumpd")
(vantor-expect "ispell-region stops at both words again" (mapcar #'car (vantor-ispell-region))
               '("jumpd" "leter"))
(vantor-expect "the same session accepts the inserted word" (mapcar #'car (vantor-ispell-region))
               '("leter"))
;; The save has been answered by now: the pipe handles its lines in order.
(vantor-expect "the personal dictionary is created in the data home, holding the word"
               (and (file-exists-p vantor-personal)
                    (with-temp-buffer
                      (insert-file-contents vantor-personal)
                      (and (re-search-forward "^jumpd\ti\r?$" nil t) t)))
               t)
;; A new process reads the word back from the file.
(ispell-kill-ispell t)
(vantor-expect "a new session accepts the inserted word" (mapcar #'car (vantor-ispell-region))
               '("leter"))
(vantor-expect "flyspell list mode accepts it too" (vantor-flyspell-buffer 1) '("leter"))
(ispell-kill-ispell t)

(message "%d failure(s)" vantor-failures)
(kill-emacs (if (> vantor-failures 0) 1 0))
