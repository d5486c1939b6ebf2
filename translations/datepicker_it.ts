<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>CommandLine</name>
    <message>
        <source>--%1 &quot;%2&quot; is not a date from %3 to %4 in the form YYYY-MM-DD</source>
        <translation>--%1 «%2» non è una data dal %3 al %4 nel formato YYYY-MM-DD</translation>
    </message>
    <message>
        <source>Pick a date in a small window. With --print, ask a user for a date and print it for a script.</source>
        <translation>Sceglie una data in una piccola finestra. Con --print, chiede una data all’utente e la stampa per uno script.</translation>
    </message>
    <message>
        <source>Show Cancel and OK. OK or Enter prints the date and exits with status 0; Cancel, Escape or closing the window prints nothing and exits with status 1.</source>
        <translation>Mostra i pulsanti Annulla e OK. OK o Invio stampa la data ed esce con stato 0; Annulla, Esc o la chiusura della finestra non stampa nulla ed esce con stato 1.</translation>
    </message>
    <message>
        <source>Start on this date instead of today.</source>
        <translation>Inizia da questa data invece che da oggi.</translation>
    </message>
    <message>
        <source>Print the date in this Qt date format, in the user&apos;s language (default yyyy-MM-dd; for example dd.MM.yyyy or &quot;dddd, d MMMM yyyy&quot;).</source>
        <translation>Stampa la data in questo formato di data Qt, nella lingua dell’utente (predefinito yyyy-MM-dd; per esempio dd.MM.yyyy o &quot;dddd, d MMMM yyyy&quot;).</translation>
    </message>
    <message>
        <source>The first date that may be picked.</source>
        <translation>La prima data che si può scegliere.</translation>
    </message>
    <message>
        <source>The last date that may be picked.</source>
        <translation>L’ultima data che si può scegliere.</translation>
    </message>
    <message>
        <source>The window title (default Form1).</source>
        <translation>Il titolo della finestra (predefinito Form1).</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argomento inatteso «%1».</translation>
    </message>
    <message>
        <source>--min-date %1 lies after --max-date %2</source>
        <translation>--min-date %1 è successiva a --max-date %2</translation>
    </message>
    <message>
        <source>--format is empty; give a Qt date format such as yyyy-MM-dd</source>
        <translation>--format è vuoto; indicare un formato di data Qt come yyyy-MM-dd</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; holds a %; --format takes a Qt date format such as yyyy-MM-dd, not the %Y-%m-%d of strftime</source>
        <translation>--format «%1» contiene un %; --format accetta un formato di data Qt come yyyy-MM-dd, non il %Y-%m-%d di strftime</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; opens a quote that it does not close</source>
        <translation>--format «%1» apre un apice che non chiude</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; writes no part of the date; give a Qt date format such as yyyy-MM-dd</source>
        <translation>--format «%1» non scrive alcuna parte della data; indicare un formato di data Qt come yyyy-MM-dd</translation>
    </message>
    <message>
        <source>Exit status: 0 the date was printed (or, without --print, the window was closed); 1 the user declined; 2 the command line was refused; 3 the dialog failed (no display, display lost, window not built, date not written); 5 --timeout ended it.</source>
        <translation>Stato di uscita: 0 la data è stata stampata (o, senza --print, la finestra è stata chiusa); 1 l’utente ha rinunciato; 2 la riga di comando è stata rifiutata; 3 il dialogo non è riuscito (nessun display, display perso, finestra non costruita, data non scritta); 5 --timeout lo ha terminato.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number from 1 up</source>
        <translation>--%1 «%2» non è un numero intero da 1 in su</translation>
    </message>
    <message>
        <source>--date cannot be given together with --day, --month or --year</source>
        <translation>--date non può essere dato insieme a --day, --month o --year</translation>
    </message>
    <message>
        <source>day %1 of month %2 of year %3 is not a date from %4 to %5</source>
        <translation>il giorno %1 del mese %2 dell’anno %3 non è una data da %4 a %5</translation>
    </message>
    <message>
        <source>--format and --date-format cannot be given together</source>
        <translation>--format e --date-format non possono essere dati insieme</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Mostra l’aiuto sulle opzioni della riga di comando.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Mostra le informazioni sulla versione.</translation>
    </message>
    <message>
        <source>Ask for a date as --print does, and print it as the C library&apos;s %x unless --date-format says otherwise; a timeout ends with status 5.</source>
        <translation>Chiede una data come --print e la stampa come il %x della libreria C, salvo che --date-format dica altrimenti; un tempo scaduto termina con lo stato 5.</translation>
    </message>
    <message>
        <source>A prompt above the date; \n starts a new line. Markup tags are removed and entities decoded.</source>
        <translation>Un testo sopra la data; \n inizia una nuova riga. I tag vengono rimossi e le entità decodificate.</translation>
    </message>
    <message>
        <source>Show the --text as it stands.</source>
        <translation>Mostra il --text così com’è.</translation>
    </message>
    <message>
        <source>Start on this day; a part not given is today&apos;s.</source>
        <translation>Inizia da questo giorno; una parte non data è quella di oggi.</translation>
    </message>
    <message>
        <source>Start on this month (1 to 12).</source>
        <translation>Inizia da questo mese (da 1 a 12).</translation>
    </message>
    <message>
        <source>Start on this year.</source>
        <translation>Inizia da questo anno.</translation>
    </message>
    <message>
        <source>Print the date in this strftime format, such as %Y-%m-%d or %A %d %B %Y.</source>
        <translation>Stampa la data in questo formato strftime, come %Y-%m-%d o %A %d %B %Y.</translation>
    </message>
    <message>
        <source>End by itself after this many seconds, printing the date then, with status 5.</source>
        <translation>Termina da solo dopo questi secondi, stampando la data di quel momento, con lo stato 5.</translation>
    </message>
    <message>
        <source>The OK button&apos;s caption.</source>
        <translation>L’etichetta del pulsante OK.</translation>
    </message>
    <message>
        <source>The Cancel button&apos;s caption.</source>
        <translation>L’etichetta del pulsante Annulla.</translation>
    </message>
    <message>
        <source>The window&apos;s least width in pixels.</source>
        <translation>La larghezza minima della finestra in pixel.</translation>
    </message>
    <message>
        <source>The window&apos;s least height in pixels.</source>
        <translation>L’altezza minima della finestra in pixel.</translation>
    </message>
    <message>
        <source>Accepted and ignored.</source>
        <translation>Accettata e ignorata.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opzioni:</translation>
    </message>
    <message>
        <source>Options of other calendar dialogs:</source>
        <translation>Opzioni di altri dialoghi di calendario:</translation>
    </message>
    <message>
        <source>--date-format &quot;%1&quot; writes no part of the date; give a strftime format such as %Y-%m-%d</source>
        <translation>--date-format «%1» non scrive alcuna parte della data; indicare un formato strftime come %Y-%m-%d</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Uso: %1 [opzioni]</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not one of %3</source>
        <translation>--%1 «%2» non è uno tra %3</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number</source>
        <translation>--%1 «%2» non è un numero intero</translation>
    </message>
    <message>
        <source>--geometry &quot;%1&quot; is not of the form WxH+X+Y</source>
        <translation>--geometry «%1» non ha la forma WxH+X+Y</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number from 0 up</source>
        <translation>--%1 «%2» non è un numero intero da 0 in su</translation>
    </message>
    <message>
        <source>ignored what is no option: %1</source>
        <translation>ignorato ciò che non è un’opzione: %1</translation>
    </message>
    <message>
        <source>--button &quot;%1&quot; ends with a status outside 0 to 255</source>
        <translation>--button «%1» termina con uno stato fuori da 0 a 255</translation>
    </message>
    <message>
        <source>--details &quot;%1&quot; cannot be read: %2</source>
        <translation>--details «%1» non può essere letto: %2</translation>
    </message>
    <message>
        <source>Add a button in place of Cancel and OK, repeatable. It ends with status ID and prints the date when ID is even; an ID that is no number is a command to run.</source>
        <translation>Aggiunge un pulsante al posto di Annulla e OK, ripetibile. Termina con lo stato ID e stampa la data quando ID è pari; un ID che non è un numero è un comando da eseguire.</translation>
    </message>
    <message>
        <source>Show no buttons; Enter accepts and Escape declines.</source>
        <translation>Non mostrare pulsanti; Invio accetta ed Esc rifiuta.</translation>
    </message>
    <message>
        <source>Add a button after OK that prints its caption and ends with status 1, repeatable.</source>
        <translation>Aggiunge dopo OK un pulsante che stampa la sua etichetta e termina con lo stato 1, ripetibile.</translation>
    </message>
    <message>
        <source>Show the ISO week of the selected date under the header.</source>
        <translation>Mostra la settimana ISO della data scelta sotto l’intestazione.</translation>
    </message>
    <message>
        <source>Describe days with the lines &quot;DATE TEXT&quot; of this file, DATE in the --date-format; such days are bold.</source>
        <translation>Descrive i giorni con le righe «DATA TESTO» di questo file, DATA nel --date-format; tali giorni sono in grassetto.</translation>
    </message>
    <message>
        <source>Align the lines of --text: left, center, right or fill.</source>
        <translation>Allinea le righe di --text: left, center, right o fill.</translation>
    </message>
    <message>
        <source>Escape does not end the dialog.</source>
        <translation>Esc non chiude la finestra di dialogo.</translation>
    </message>
    <message>
        <source>Escape accepts the date as OK does.</source>
        <translation>Esc accetta la data come OK.</translation>
    </message>
    <message>
        <source>Print the date whichever button ends the dialog.</source>
        <translation>Stampa la data qualunque sia il pulsante che chiude la finestra di dialogo.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is read as %3</source>
        <translation>--%1 «%2» viene letto come %3</translation>
    </message>
    <message>
        <source>Open the window in the middle of the screen (not on Wayland).</source>
        <translation>Aprire la finestra al centro dello schermo (non su Wayland).</translation>
    </message>
    <message>
        <source>Open the window centred on the pointer, kept on the screen (not on Wayland).</source>
        <translation>Aprire la finestra centrata sul puntatore, tenuta sullo schermo (non su Wayland).</translation>
    </message>
    <message>
        <source>Put the window&apos;s left edge X pixels from the screen&apos;s; a negative X counts from the right edge (not on Wayland).</source>
        <translation>Porre il bordo sinistro della finestra a X pixel da quello dello schermo; una X negativa conta dal bordo destro (non su Wayland).</translation>
    </message>
    <message>
        <source>Put the window&apos;s top edge Y pixels from the screen&apos;s; a negative Y counts from the bottom edge (not on Wayland).</source>
        <translation>Porre il bordo superiore della finestra a Y pixel da quello dello schermo; una Y negativa conta dal bordo inferiore (non su Wayland).</translation>
    </message>
    <message>
        <source>The window&apos;s least size and its place, as X11 writes them, such as 300x200-10+20 (the place not on Wayland).</source>
        <translation>La dimensione minima della finestra e la sua posizione, come le scrive X11, per esempio 300x200-10+20 (la posizione non su Wayland).</translation>
    </message>
    <message>
        <source>Show the window without a title bar or frame.</source>
        <translation>Mostrare la finestra senza barra del titolo né cornice.</translation>
    </message>
    <message>
        <source>Keep the window from being resized.</source>
        <translation>Impedire il ridimensionamento della finestra.</translation>
    </message>
    <message>
        <source>Keep the window above other windows.</source>
        <translation>Tenere la finestra sopra le altre finestre.</translation>
    </message>
    <message>
        <source>Show the window on every workspace.</source>
        <translation>Mostrare la finestra in ogni area di lavoro.</translation>
    </message>
    <message>
        <source>Leave the window out of the taskbar.</source>
        <translation>Non mostrare la finestra nella barra delle applicazioni.</translation>
    </message>
    <message>
        <source>Open the window maximized, its content in the middle.</source>
        <translation>Aprire la finestra massimizzata, con il contenuto al centro.</translation>
    </message>
    <message>
        <source>Open the window full screen, its content in the middle.</source>
        <translation>Aprire la finestra a schermo intero, con il contenuto al centro.</translation>
    </message>
    <message>
        <source>Open the window without taking the keyboard focus.</source>
        <translation>Aprire la finestra senza prendere il focus della tastiera.</translation>
    </message>
    <message>
        <source>Show the window as a splash screen, which window managers show without a frame.</source>
        <translation>Mostrare la finestra come schermata iniziale, che i gestori di finestre mostrano senza cornice.</translation>
    </message>
    <message>
        <source>Decline, with status 1, when another window takes the keyboard focus.</source>
        <translation>Rifiutare, con stato 1, quando un’altra finestra prende il focus della tastiera.</translation>
    </message>
    <message>
        <source>Fit the window to its content with this many pixels around it (at most 500).</source>
        <translation>Adattare la finestra al contenuto con questo numero di pixel attorno (al massimo 500).</translation>
    </message>
    <message>
        <source>Write every text in this font&apos;s family and size, such as &quot;Sans Bold 12&quot;.</source>
        <translation>Scrivere ogni testo con la famiglia e la dimensione di questo carattere, per esempio «Sans Bold 12».</translation>
    </message>
    <message>
        <source>With --timeout, show the time left as a bar on this side: top, bottom, left or right.</source>
        <translation>Con --timeout, mostrare il tempo rimanente come una barra su questo lato: top, bottom, left o right.</translation>
    </message>
    <message>
        <source>Write the window&apos;s X id on standard error, or into FILE, without a line&apos;s end (not on Wayland).</source>
        <translation>Scrivere l’ID X della finestra sullo standard error, o in FILE, senza fine riga (non su Wayland).</translation>
    </message>
    <message>
        <source>The class of the window&apos;s WM_CLASS on X11, and its app id on Wayland.</source>
        <translation>La classe del WM_CLASS della finestra su X11, e il suo ID applicazione su Wayland.</translation>
    </message>
    <message>
        <source>The instance name of the window&apos;s WM_CLASS on X11, and its app id on Wayland without --class.</source>
        <translation>Il nome di istanza del WM_CLASS della finestra su X11, e il suo ID applicazione su Wayland senza --class.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a date from %3 to %4 in the form YYYY-MM-DD, with or without a time in the form THH:MM</source>
        <translation>--%1 «%2» non è una data dal %3 al %4 nel formato YYYY-MM-DD, con o senza un orario nel formato THH:MM</translation>
    </message>
    <message>
        <source>--minute-step needs --time</source>
        <translation>--minute-step richiede --time</translation>
    </message>
    <message>
        <source>--minute-step &quot;%1&quot; is not a number from 1 to 30 that divides 60</source>
        <translation>--minute-step «%1» non è un numero da 1 a 30 che divide 60</translation>
    </message>
    <message>
        <source>Pick a time of day too, and print it after the date (default format yyyy-MM-dd HH:mm); --date, --min-date and --max-date then take YYYY-MM-DDTHH:MM.</source>
        <translation>Sceglie anche un orario e lo stampa dopo la data (formato predefinito yyyy-MM-dd HH:mm); --date, --min-date e --max-date accettano allora YYYY-MM-DDTHH:MM.</translation>
    </message>
    <message>
        <source>With --time, offer only every so many minutes (1 to 30, dividing 60).</source>
        <translation>Con --time, offre solo i minuti multipli di questo numero (da 1 a 30, divisore di 60).</translation>
    </message>
    <message>
        <source>--minute-step %1 leaves no time from %2 to %3</source>
        <translation>--minute-step %1 non lascia alcun orario da %2 a %3</translation>
    </message>
    <message>
        <source>the local clock skips every time from %1 to %2</source>
        <translation>l’orologio locale salta ogni orario da %1 a %2</translation>
    </message>
</context>
<context>
    <name>DialogFailure</name>
    <message>
        <source>cannot open a window: %1</source>
        <translation>impossibile aprire una finestra: %1</translation>
    </message>
    <message>
        <source>no display (DISPLAY and WAYLAND_DISPLAY are unset)</source>
        <translation>nessun display (DISPLAY e WAYLAND_DISPLAY non sono impostate)</translation>
    </message>
    <message>
        <source>the connection to the display was lost</source>
        <translation>la connessione al display è stata persa</translation>
    </message>
    <message>
        <source>the window was destroyed by another program</source>
        <translation>la finestra è stata distrutta da un altro programma</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Today</source>
        <translation>Oggi</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Domani</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Ieri</translation>
    </message>
    <message>
        <source>First of this month</source>
        <translation>Primo del mese</translation>
    </message>
    <message>
        <source>Last of this month</source>
        <translation>Ultimo del mese</translation>
    </message>
    <message>
        <source>First of last month</source>
        <translation>Primo del mese scorso</translation>
    </message>
    <message>
        <source>Last of last month</source>
        <translation>Ultimo del mese scorso</translation>
    </message>
    <message>
        <source>First of next month</source>
        <translation>Primo del mese prossimo</translation>
    </message>
    <message>
        <source>Last of next month</source>
        <translation>Ultimo del mese prossimo</translation>
    </message>
    <message>
        <source>Copy “%1”</source>
        <translation>Copia «%1»</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>Copia %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Paste date</source>
        <translation>Incolla data</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Week %1</source>
        <translation>Settimana %1</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Adesso</translation>
    </message>
</context>
<context>
    <name>HostWindow</name>
    <message>
        <source>datepicker: message 0x%1 failed: %2</source>
        <translation>datepicker: messaggio 0x%1 non riuscito: %2</translation>
    </message>
    <message>
        <source>datepicker: painting failed: %1</source>
        <translation>datepicker: disegno non riuscito: %1</translation>
    </message>
</context>
<context>
    <name>RunPicker</name>
    <message>
        <source>Date picker</source>
        <translation>Selettore data</translation>
    </message>
    <message>
        <source>The window could not be built.

%1</source>
        <translation>Impossibile creare la finestra.

%1</translation>
    </message>
    <message>
        <source>the window could not be built: %1</source>
        <translation>non è stato possibile costruire la finestra: %1</translation>
    </message>
    <message>
        <source>the date could not be written: %1</source>
        <translation>non è stato possibile scrivere la data: %1</translation>
    </message>
    <message>
        <source>the window&apos;s id could not be written to %1: %2</source>
        <translation>non è stato possibile scrivere l’identificativo della finestra in %1: %2</translation>
    </message>
    <message>
        <source>the text could not be written: %1</source>
        <translation>non è stato possibile scrivere il testo: %1</translation>
    </message>
    <message>
        <source>%1: the command &quot;%2&quot; could not be started
</source>
        <translation>%1: impossibile avviare il comando «%2»
</translation>
    </message>
</context>
<context>
    <name>accessibility</name>
    <message>
        <source>Month</source>
        <translation>Mese</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Giorno</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Anno</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minuto</translation>
    </message>
    <message>
        <source>AM/PM</source>
        <translation>AM/PM</translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>Run-time error %1: %2</source>
        <translation>Errore di run-time %1: %2</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Chiamata di routine o argomento non validi</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indice non compreso nell’intervallo</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tipo non corrispondente</translation>
    </message>
    <message>
        <source>Can&apos;t create object</source>
        <translation>Impossibile creare l’oggetto</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method</source>
        <translation>Proprietà o metodo non supportati dall’oggetto</translation>
    </message>
    <message>
        <source>Wrong number of arguments or invalid property assignment</source>
        <translation>Numero di argomenti errato o assegnazione di proprietà non valida</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Errore definito dall’applicazione o dall’oggetto</translation>
    </message>
</context>
</TS>
