<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CommandLine</name>
    <message>
        <source>--%1 &quot;%2&quot; is not a date from %3 to %4 in the form YYYY-MM-DD</source>
        <translation>--%1 „%2“ ist kein Datum von %3 bis %4 im Format YYYY-MM-DD</translation>
    </message>
    <message>
        <source>Pick a date in a small window. With --print, ask a user for a date and print it for a script.</source>
        <translation>Ein Datum in einem kleinen Fenster wählen. Mit --print den Benutzer nach einem Datum fragen und es für ein Skript ausgeben.</translation>
    </message>
    <message>
        <source>Show Cancel and OK. OK or Enter prints the date and exits with status 0; Cancel, Escape or closing the window prints nothing and exits with status 1.</source>
        <translation>Zeigt die Schaltflächen Abbrechen und OK. OK oder die Eingabetaste gibt das Datum aus und endet mit Status 0; Abbrechen, Esc oder das Schließen des Fensters gibt nichts aus und endet mit Status 1.</translation>
    </message>
    <message>
        <source>Start on this date instead of today.</source>
        <translation>Beginnt mit diesem Datum statt mit heute.</translation>
    </message>
    <message>
        <source>Print the date in this Qt date format, in the user&apos;s language (default yyyy-MM-dd; for example dd.MM.yyyy or &quot;dddd, d MMMM yyyy&quot;).</source>
        <translation>Gibt das Datum in diesem Qt-Datumsformat in der Sprache des Benutzers aus (Standard yyyy-MM-dd; zum Beispiel dd.MM.yyyy oder &quot;dddd, d MMMM yyyy&quot;).</translation>
    </message>
    <message>
        <source>The first date that may be picked.</source>
        <translation>Das erste Datum, das gewählt werden kann.</translation>
    </message>
    <message>
        <source>The last date that may be picked.</source>
        <translation>Das letzte Datum, das gewählt werden kann.</translation>
    </message>
    <message>
        <source>The window title (default Form1).</source>
        <translation>Der Fenstertitel (Standard Form1).</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>--min-date %1 lies after --max-date %2</source>
        <translation>--min-date %1 liegt nach --max-date %2</translation>
    </message>
    <message>
        <source>--format is empty; give a Qt date format such as yyyy-MM-dd</source>
        <translation>--format ist leer; bitte ein Qt-Datumsformat wie yyyy-MM-dd angeben</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; holds a %; --format takes a Qt date format such as yyyy-MM-dd, not the %Y-%m-%d of strftime</source>
        <translation>--format „%1“ enthält ein %; --format erwartet ein Qt-Datumsformat wie yyyy-MM-dd, nicht das %Y-%m-%d von strftime</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; opens a quote that it does not close</source>
        <translation>--format „%1“ öffnet ein Anführungszeichen, das es nicht schließt</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; writes no part of the date; give a Qt date format such as yyyy-MM-dd</source>
        <translation>--format „%1“ schreibt keinen Teil des Datums; bitte ein Qt-Datumsformat wie yyyy-MM-dd angeben</translation>
    </message>
    <message>
        <source>Exit status: 0 the date was printed (or, without --print, the window was closed); 1 the user declined; 2 the command line was refused; 3 the dialog failed (no display, display lost, window not built, date not written); 5 --timeout ended it.</source>
        <translation>Exit-Status: 0 das Datum wurde ausgegeben (oder, ohne --print, das Fenster wurde geschlossen); 1 der Benutzer hat abgelehnt; 2 die Befehlszeile wurde abgewiesen; 3 der Dialog ist gescheitert (keine Anzeige, Anzeige verloren, Fenster nicht erstellt, Datum nicht geschrieben); 5 --timeout hat ihn beendet.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number from 1 up</source>
        <translation>--%1 „%2“ ist keine ganze Zahl ab 1</translation>
    </message>
    <message>
        <source>--date cannot be given together with --day, --month or --year</source>
        <translation>--date kann nicht zusammen mit --day, --month oder --year angegeben werden</translation>
    </message>
    <message>
        <source>day %1 of month %2 of year %3 is not a date from %4 to %5</source>
        <translation>Tag %1 des Monats %2 des Jahres %3 ist kein Datum von %4 bis %5</translation>
    </message>
    <message>
        <source>--format and --date-format cannot be given together</source>
        <translation>--format und --date-format können nicht zusammen angegeben werden</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt die Hilfe zu den Befehlszeilenoptionen an.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Zeigt die Versionsinformationen an.</translation>
    </message>
    <message>
        <source>Ask for a date as --print does, and print it as the C library&apos;s %x unless --date-format says otherwise; a timeout ends with status 5.</source>
        <translation>Fragt wie --print nach einem Datum und gibt es als %x der C-Bibliothek aus, sofern --date-format nichts anderes sagt; eine Zeitüberschreitung endet mit Status 5.</translation>
    </message>
    <message>
        <source>A prompt above the date; \n starts a new line. Markup tags are removed and entities decoded.</source>
        <translation>Ein Hinweistext über dem Datum; \n beginnt eine neue Zeile. Markup-Tags werden entfernt und Entitäten aufgelöst.</translation>
    </message>
    <message>
        <source>Show the --text as it stands.</source>
        <translation>Zeigt den --text so, wie er ist.</translation>
    </message>
    <message>
        <source>Start on this day; a part not given is today&apos;s.</source>
        <translation>Beginnt mit diesem Tag; ein nicht angegebener Teil ist der von heute.</translation>
    </message>
    <message>
        <source>Start on this month (1 to 12).</source>
        <translation>Beginnt mit diesem Monat (1 bis 12).</translation>
    </message>
    <message>
        <source>Start on this year.</source>
        <translation>Beginnt mit diesem Jahr.</translation>
    </message>
    <message>
        <source>Print the date in this strftime format, such as %Y-%m-%d or %A %d %B %Y.</source>
        <translation>Gibt das Datum in diesem strftime-Format aus, etwa %Y-%m-%d oder %A %d %B %Y.</translation>
    </message>
    <message>
        <source>End by itself after this many seconds, printing the date then, with status 5.</source>
        <translation>Endet nach so vielen Sekunden von selbst, gibt dann das Datum aus, mit Status 5.</translation>
    </message>
    <message>
        <source>The OK button&apos;s caption.</source>
        <translation>Die Beschriftung der Schaltfläche OK.</translation>
    </message>
    <message>
        <source>The Cancel button&apos;s caption.</source>
        <translation>Die Beschriftung der Schaltfläche Abbrechen.</translation>
    </message>
    <message>
        <source>The window&apos;s least width in pixels.</source>
        <translation>Die kleinste Breite des Fensters in Pixeln.</translation>
    </message>
    <message>
        <source>The window&apos;s least height in pixels.</source>
        <translation>Die kleinste Höhe des Fensters in Pixeln.</translation>
    </message>
    <message>
        <source>Accepted and ignored.</source>
        <translation>Angenommen und ignoriert.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Options of other calendar dialogs:</source>
        <translation>Optionen anderer Kalenderdialoge:</translation>
    </message>
    <message>
        <source>--date-format &quot;%1&quot; writes no part of the date; give a strftime format such as %Y-%m-%d</source>
        <translation>--date-format „%1“ schreibt keinen Teil des Datums; bitte ein strftime-Format wie %Y-%m-%d angeben</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Aufruf: %1 [Optionen]</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not one of %3</source>
        <translation>--%1 „%2“ ist keiner der Werte %3</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number</source>
        <translation>--%1 „%2“ ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>--geometry &quot;%1&quot; is not of the form WxH+X+Y</source>
        <translation>--geometry „%1“ hat nicht die Form WxH+X+Y</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number from 0 up</source>
        <translation>--%1 „%2“ ist keine ganze Zahl ab 0</translation>
    </message>
    <message>
        <source>ignored what is no option: %1</source>
        <translation>ignoriert, was keine Option ist: %1</translation>
    </message>
    <message>
        <source>--button &quot;%1&quot; ends with a status outside 0 to 255</source>
        <translation>--button „%1“ endet mit einem Status außerhalb von 0 bis 255</translation>
    </message>
    <message>
        <source>--details &quot;%1&quot; cannot be read: %2</source>
        <translation>--details „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Add a button in place of Cancel and OK, repeatable. It ends with status ID and prints the date when ID is even; an ID that is no number is a command to run.</source>
        <translation>Eine Schaltfläche anstelle von Abbrechen und OK hinzufügen, wiederholbar. Sie endet mit Status ID und gibt das Datum aus, wenn ID gerade ist; eine ID, die keine Zahl ist, ist ein auszuführender Befehl.</translation>
    </message>
    <message>
        <source>Show no buttons; Enter accepts and Escape declines.</source>
        <translation>Keine Schaltflächen zeigen; die Eingabetaste nimmt an und Esc lehnt ab.</translation>
    </message>
    <message>
        <source>Add a button after OK that prints its caption and ends with status 1, repeatable.</source>
        <translation>Eine Schaltfläche nach OK hinzufügen, die ihre Beschriftung ausgibt und mit Status 1 endet, wiederholbar.</translation>
    </message>
    <message>
        <source>Show the ISO week of the selected date under the header.</source>
        <translation>Die ISO-Woche des gewählten Datums unter der Überschrift zeigen.</translation>
    </message>
    <message>
        <source>Describe days with the lines &quot;DATE TEXT&quot; of this file, DATE in the --date-format; such days are bold.</source>
        <translation>Tage mit den Zeilen „DATUM TEXT“ dieser Datei beschreiben, DATUM im --date-format; solche Tage sind fett.</translation>
    </message>
    <message>
        <source>Align the lines of --text: left, center, right or fill.</source>
        <translation>Die Zeilen von --text ausrichten: left, center, right oder fill.</translation>
    </message>
    <message>
        <source>Escape does not end the dialog.</source>
        <translation>Esc beendet den Dialog nicht.</translation>
    </message>
    <message>
        <source>Escape accepts the date as OK does.</source>
        <translation>Esc nimmt das Datum an wie OK.</translation>
    </message>
    <message>
        <source>Print the date whichever button ends the dialog.</source>
        <translation>Das Datum ausgeben, mit welcher Schaltfläche der Dialog auch endet.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is read as %3</source>
        <translation>--%1 „%2“ wird als %3 gelesen</translation>
    </message>
    <message>
        <source>Open the window in the middle of the screen (not on Wayland).</source>
        <translation>Das Fenster in der Mitte des Bildschirms öffnen (nicht unter Wayland).</translation>
    </message>
    <message>
        <source>Open the window centred on the pointer, kept on the screen (not on Wayland).</source>
        <translation>Das Fenster um den Mauszeiger zentriert öffnen, auf dem Bildschirm gehalten (nicht unter Wayland).</translation>
    </message>
    <message>
        <source>Put the window&apos;s left edge X pixels from the screen&apos;s; a negative X counts from the right edge (not on Wayland).</source>
        <translation>Den linken Fensterrand X Pixel vom linken Bildschirmrand setzen; ein negatives X zählt vom rechten Rand (nicht unter Wayland).</translation>
    </message>
    <message>
        <source>Put the window&apos;s top edge Y pixels from the screen&apos;s; a negative Y counts from the bottom edge (not on Wayland).</source>
        <translation>Den oberen Fensterrand Y Pixel vom oberen Bildschirmrand setzen; ein negatives Y zählt vom unteren Rand (nicht unter Wayland).</translation>
    </message>
    <message>
        <source>The window&apos;s least size and its place, as X11 writes them, such as 300x200-10+20 (the place not on Wayland).</source>
        <translation>Die Mindestgröße und den Ort des Fensters, wie X11 sie schreibt, etwa 300x200-10+20 (den Ort nicht unter Wayland).</translation>
    </message>
    <message>
        <source>Show the window without a title bar or frame.</source>
        <translation>Das Fenster ohne Titelleiste und Rahmen zeigen.</translation>
    </message>
    <message>
        <source>Keep the window from being resized.</source>
        <translation>Die Größe des Fensters nicht ändern lassen.</translation>
    </message>
    <message>
        <source>Keep the window above other windows.</source>
        <translation>Das Fenster über anderen Fenstern halten.</translation>
    </message>
    <message>
        <source>Show the window on every workspace.</source>
        <translation>Das Fenster auf jeder Arbeitsfläche zeigen.</translation>
    </message>
    <message>
        <source>Leave the window out of the taskbar.</source>
        <translation>Das Fenster nicht in der Taskleiste zeigen.</translation>
    </message>
    <message>
        <source>Open the window maximized, its content in the middle.</source>
        <translation>Das Fenster maximiert öffnen, den Inhalt in der Mitte.</translation>
    </message>
    <message>
        <source>Open the window full screen, its content in the middle.</source>
        <translation>Das Fenster im Vollbild öffnen, den Inhalt in der Mitte.</translation>
    </message>
    <message>
        <source>Open the window without taking the keyboard focus.</source>
        <translation>Das Fenster öffnen, ohne den Tastaturfokus zu nehmen.</translation>
    </message>
    <message>
        <source>Show the window as a splash screen, which window managers show without a frame.</source>
        <translation>Das Fenster als Startbildschirm zeigen, den Fenstermanager ohne Rahmen zeigen.</translation>
    </message>
    <message>
        <source>Decline, with status 1, when another window takes the keyboard focus.</source>
        <translation>Ablehnen, mit Status 1, wenn ein anderes Fenster den Tastaturfokus nimmt.</translation>
    </message>
    <message>
        <source>Fit the window to its content with this many pixels around it (at most 500).</source>
        <translation>Das Fenster an seinen Inhalt anpassen, mit so vielen Pixeln rundum (höchstens 500).</translation>
    </message>
    <message>
        <source>Write every text in this font&apos;s family and size, such as &quot;Sans Bold 12&quot;.</source>
        <translation>Jeden Text in Familie und Größe dieser Schrift schreiben, etwa „Sans Bold 12“.</translation>
    </message>
    <message>
        <source>With --timeout, show the time left as a bar on this side: top, bottom, left or right.</source>
        <translation>Mit --timeout die verbleibende Zeit als Balken auf dieser Seite zeigen: top, bottom, left oder right.</translation>
    </message>
    <message>
        <source>Write the window&apos;s X id on standard error, or into FILE, without a line&apos;s end (not on Wayland).</source>
        <translation>Die X-ID des Fensters ohne Zeilenende auf die Standardfehlerausgabe oder in FILE schreiben (nicht unter Wayland).</translation>
    </message>
    <message>
        <source>The class of the window&apos;s WM_CLASS on X11, and its app id on Wayland.</source>
        <translation>Die Klasse von WM_CLASS des Fensters unter X11 und seine App-ID unter Wayland.</translation>
    </message>
    <message>
        <source>The instance name of the window&apos;s WM_CLASS on X11, and its app id on Wayland without --class.</source>
        <translation>Der Instanzname von WM_CLASS des Fensters unter X11 und seine App-ID unter Wayland ohne --class.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a date from %3 to %4 in the form YYYY-MM-DD, with or without a time in the form THH:MM</source>
        <translation>--%1 „%2“ ist kein Datum von %3 bis %4 im Format YYYY-MM-DD, mit oder ohne Uhrzeit im Format THH:MM</translation>
    </message>
    <message>
        <source>--minute-step needs --time</source>
        <translation>--minute-step setzt --time voraus</translation>
    </message>
    <message>
        <source>--minute-step &quot;%1&quot; is not a number from 1 to 30 that divides 60</source>
        <translation>--minute-step „%1“ ist keine Zahl von 1 bis 30, die 60 teilt</translation>
    </message>
    <message>
        <source>Pick a time of day too, and print it after the date (default format yyyy-MM-dd HH:mm); --date, --min-date and --max-date then take YYYY-MM-DDTHH:MM.</source>
        <translation>Wählt auch eine Uhrzeit und gibt sie nach dem Datum aus (Standardformat yyyy-MM-dd HH:mm); --date, --min-date und --max-date nehmen dann YYYY-MM-DDTHH:MM.</translation>
    </message>
    <message>
        <source>With --time, offer only every so many minutes (1 to 30, dividing 60).</source>
        <translation>Bietet mit --time nur Minuten an, die ein Vielfaches dieser Zahl sind (1 bis 30, Teiler von 60).</translation>
    </message>
    <message>
        <source>--minute-step %1 leaves no time from %2 to %3</source>
        <translation>--minute-step %1 lässt keine Uhrzeit von %2 bis %3 übrig</translation>
    </message>
    <message>
        <source>the local clock skips every time from %1 to %2</source>
        <translation>die Ortszeit überspringt jede Uhrzeit von %1 bis %2</translation>
    </message>
</context>
<context>
    <name>DialogFailure</name>
    <message>
        <source>cannot open a window: %1</source>
        <translation>kann kein Fenster öffnen: %1</translation>
    </message>
    <message>
        <source>no display (DISPLAY and WAYLAND_DISPLAY are unset)</source>
        <translation>keine Anzeige (DISPLAY und WAYLAND_DISPLAY sind nicht gesetzt)</translation>
    </message>
    <message>
        <source>the connection to the display was lost</source>
        <translation>die Verbindung zur Anzeige ist abgebrochen</translation>
    </message>
    <message>
        <source>the window was destroyed by another program</source>
        <translation>das Fenster wurde von einem anderen Programm zerstört</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Morgen</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Gestern</translation>
    </message>
    <message>
        <source>First of this month</source>
        <translation>Erster dieses Monats</translation>
    </message>
    <message>
        <source>Last of this month</source>
        <translation>Letzter dieses Monats</translation>
    </message>
    <message>
        <source>First of last month</source>
        <translation>Erster des Vormonats</translation>
    </message>
    <message>
        <source>Last of last month</source>
        <translation>Letzter des Vormonats</translation>
    </message>
    <message>
        <source>First of next month</source>
        <translation>Erster des Folgemonats</translation>
    </message>
    <message>
        <source>Last of next month</source>
        <translation>Letzter des Folgemonats</translation>
    </message>
    <message>
        <source>Copy “%1”</source>
        <translation>„%1“ kopieren</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>%1 kopieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Paste date</source>
        <translation>Datum einfügen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Week %1</source>
        <translation>Woche %1</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
</context>
<context>
    <name>HostWindow</name>
    <message>
        <source>datepicker: message 0x%1 failed: %2</source>
        <translation>datepicker: Nachricht 0x%1 fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>datepicker: painting failed: %1</source>
        <translation>datepicker: Zeichnen fehlgeschlagen: %1</translation>
    </message>
</context>
<context>
    <name>RunPicker</name>
    <message>
        <source>Date picker</source>
        <translation>Datumsauswahl</translation>
    </message>
    <message>
        <source>The window could not be built.

%1</source>
        <translation>Das Fenster konnte nicht erstellt werden.

%1</translation>
    </message>
    <message>
        <source>the window could not be built: %1</source>
        <translation>das Fenster konnte nicht erstellt werden: %1</translation>
    </message>
    <message>
        <source>the date could not be written: %1</source>
        <translation>das Datum konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>the window&apos;s id could not be written to %1: %2</source>
        <translation>die Kennung des Fensters konnte nicht in %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the text could not be written: %1</source>
        <translation>der Text konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>%1: the command &quot;%2&quot; could not be started
</source>
        <translation>%1: der Befehl „%2“ konnte nicht gestartet werden
</translation>
    </message>
</context>
<context>
    <name>accessibility</name>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Stunde</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>AM/PM</source>
        <translation>vorm./nachm.</translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>Run-time error %1: %2</source>
        <translation>Laufzeitfehler %1: %2</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Ungültiger Prozeduraufruf oder ungültiges Argument</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>Can&apos;t create object</source>
        <translation>Objekt kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method</source>
        <translation>Objekt unterstützt diese Eigenschaft oder Methode nicht</translation>
    </message>
    <message>
        <source>Wrong number of arguments or invalid property assignment</source>
        <translation>Falsche Anzahl an Argumenten oder ungültige Zuweisung an eine Eigenschaft</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Anwendungs- oder objektdefinierter Fehler</translation>
    </message>
</context>
</TS>
