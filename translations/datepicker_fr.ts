<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CommandLine</name>
    <message>
        <source>--%1 &quot;%2&quot; is not a date from %3 to %4 in the form YYYY-MM-DD</source>
        <translation>--%1 «&#xa0;%2&#xa0;» n’est pas une date du %3 au %4 au format YYYY-MM-DD</translation>
    </message>
    <message>
        <source>Pick a date in a small window. With --print, ask a user for a date and print it for a script.</source>
        <translation>Choisir une date dans une petite fenêtre. Avec --print, demander une date à l’utilisateur et l’écrire pour un script.</translation>
    </message>
    <message>
        <source>Show Cancel and OK. OK or Enter prints the date and exits with status 0; Cancel, Escape or closing the window prints nothing and exits with status 1.</source>
        <translation>Affiche les boutons Annuler et OK. OK ou Entrée écrit la date et quitte avec le code 0&#xa0;; Annuler, Échap ou la fermeture de la fenêtre n’écrit rien et quitte avec le code 1.</translation>
    </message>
    <message>
        <source>Start on this date instead of today.</source>
        <translation>Commence à cette date au lieu d’aujourd’hui.</translation>
    </message>
    <message>
        <source>Print the date in this Qt date format, in the user&apos;s language (default yyyy-MM-dd; for example dd.MM.yyyy or &quot;dddd, d MMMM yyyy&quot;).</source>
        <translation>Écrit la date dans ce format de date Qt, dans la langue de l’utilisateur (par défaut yyyy-MM-dd&#xa0;; par exemple dd.MM.yyyy ou &quot;dddd, d MMMM yyyy&quot;).</translation>
    </message>
    <message>
        <source>The first date that may be picked.</source>
        <translation>La première date qui peut être choisie.</translation>
    </message>
    <message>
        <source>The last date that may be picked.</source>
        <translation>La dernière date qui peut être choisie.</translation>
    </message>
    <message>
        <source>The window title (default Form1).</source>
        <translation>Le titre de la fenêtre (par défaut Form1).</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>--min-date %1 lies after --max-date %2</source>
        <translation>--min-date %1 est postérieure à --max-date %2</translation>
    </message>
    <message>
        <source>--format is empty; give a Qt date format such as yyyy-MM-dd</source>
        <translation>--format est vide&#xa0;; indiquez un format de date Qt tel que yyyy-MM-dd</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; holds a %; --format takes a Qt date format such as yyyy-MM-dd, not the %Y-%m-%d of strftime</source>
        <translation>--format « %1 » contient un % ; --format attend un format de date Qt comme yyyy-MM-dd, pas le %Y-%m-%d de strftime</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; opens a quote that it does not close</source>
        <translation>--format « %1 » ouvre une apostrophe qu’il ne ferme pas</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; writes no part of the date; give a Qt date format such as yyyy-MM-dd</source>
        <translation>--format « %1 » n’écrit aucune partie de la date ; indiquez un format de date Qt comme yyyy-MM-dd</translation>
    </message>
    <message>
        <source>Exit status: 0 the date was printed (or, without --print, the window was closed); 1 the user declined; 2 the command line was refused; 3 the dialog failed (no display, display lost, window not built, date not written); 5 --timeout ended it.</source>
        <translation>Code de sortie : 0 la date a été écrite (ou, sans --print, la fenêtre a été fermée) ; 1 l’utilisateur a refusé ; 2 la ligne de commande a été refusée ; 3 le dialogue a échoué (pas d’affichage, affichage perdu, fenêtre non construite, date non écrite) ; 5 --timeout l’a terminé.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number from 1 up</source>
        <translation>--%1 « %2 » n’est pas un nombre entier à partir de 1</translation>
    </message>
    <message>
        <source>--date cannot be given together with --day, --month or --year</source>
        <translation>--date ne peut pas être donné avec --day, --month ou --year</translation>
    </message>
    <message>
        <source>day %1 of month %2 of year %3 is not a date from %4 to %5</source>
        <translation>le jour %1 du mois %2 de l’année %3 n’est pas une date de %4 à %5</translation>
    </message>
    <message>
        <source>--format and --date-format cannot be given together</source>
        <translation>--format et --date-format ne peuvent pas être donnés ensemble</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Affiche l’aide sur les options de la ligne de commande.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Affiche les informations de version.</translation>
    </message>
    <message>
        <source>Ask for a date as --print does, and print it as the C library&apos;s %x unless --date-format says otherwise; a timeout ends with status 5.</source>
        <translation>Demande une date comme --print et l’écrit selon le %x de la bibliothèque C, sauf si --date-format dit autre chose ; un délai dépassé se termine avec le code 5.</translation>
    </message>
    <message>
        <source>A prompt above the date; \n starts a new line. Markup tags are removed and entities decoded.</source>
        <translation>Une invite au-dessus de la date ; \n commence une nouvelle ligne. Les balises sont retirées et les entités décodées.</translation>
    </message>
    <message>
        <source>Show the --text as it stands.</source>
        <translation>Affiche le --text tel quel.</translation>
    </message>
    <message>
        <source>Start on this day; a part not given is today&apos;s.</source>
        <translation>Commence à ce jour ; une partie non donnée est celle d’aujourd’hui.</translation>
    </message>
    <message>
        <source>Start on this month (1 to 12).</source>
        <translation>Commence à ce mois (1 à 12).</translation>
    </message>
    <message>
        <source>Start on this year.</source>
        <translation>Commence à cette année.</translation>
    </message>
    <message>
        <source>Print the date in this strftime format, such as %Y-%m-%d or %A %d %B %Y.</source>
        <translation>Écrit la date dans ce format strftime, comme %Y-%m-%d ou %A %d %B %Y.</translation>
    </message>
    <message>
        <source>End by itself after this many seconds, printing the date then, with status 5.</source>
        <translation>Se termine seul après ce nombre de secondes, en écrivant la date d’alors, avec le code 5.</translation>
    </message>
    <message>
        <source>The OK button&apos;s caption.</source>
        <translation>Le libellé du bouton OK.</translation>
    </message>
    <message>
        <source>The Cancel button&apos;s caption.</source>
        <translation>Le libellé du bouton Annuler.</translation>
    </message>
    <message>
        <source>The window&apos;s least width in pixels.</source>
        <translation>La largeur minimale de la fenêtre en pixels.</translation>
    </message>
    <message>
        <source>The window&apos;s least height in pixels.</source>
        <translation>La hauteur minimale de la fenêtre en pixels.</translation>
    </message>
    <message>
        <source>Accepted and ignored.</source>
        <translation>Accepté et ignoré.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options :</translation>
    </message>
    <message>
        <source>Options of other calendar dialogs:</source>
        <translation>Options d’autres dialogues de calendrier :</translation>
    </message>
    <message>
        <source>--date-format &quot;%1&quot; writes no part of the date; give a strftime format such as %Y-%m-%d</source>
        <translation>--date-format « %1 » n’écrit aucune partie de la date ; indiquez un format strftime comme %Y-%m-%d</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Utilisation : %1 [options]</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not one of %3</source>
        <translation>--%1 « %2 » n’est aucun de %3</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number</source>
        <translation>--%1 « %2 » n’est pas un nombre entier</translation>
    </message>
    <message>
        <source>--geometry &quot;%1&quot; is not of the form WxH+X+Y</source>
        <translation>--geometry « %1 » n’est pas de la forme WxH+X+Y</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number from 0 up</source>
        <translation>--%1 « %2 » n’est pas un nombre entier à partir de 0</translation>
    </message>
    <message>
        <source>ignored what is no option: %1</source>
        <translation>ignoré ce qui n’est pas une option : %1</translation>
    </message>
    <message>
        <source>--button &quot;%1&quot; ends with a status outside 0 to 255</source>
        <translation>--button « %1 » se termine par un état hors de 0 à 255</translation>
    </message>
    <message>
        <source>--details &quot;%1&quot; cannot be read: %2</source>
        <translation>--details « %1 » ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>Add a button in place of Cancel and OK, repeatable. It ends with status ID and prints the date when ID is even; an ID that is no number is a command to run.</source>
        <translation>Ajouter un bouton à la place d’Annuler et OK, répétable. Il se termine avec l’état ID et écrit la date quand ID est pair ; un ID qui n’est pas un nombre est une commande à lancer.</translation>
    </message>
    <message>
        <source>Show no buttons; Enter accepts and Escape declines.</source>
        <translation>N’afficher aucun bouton ; Entrée accepte et Échap refuse.</translation>
    </message>
    <message>
        <source>Add a button after OK that prints its caption and ends with status 1, repeatable.</source>
        <translation>Ajouter après OK un bouton qui écrit son libellé et se termine avec l’état 1, répétable.</translation>
    </message>
    <message>
        <source>Show the ISO week of the selected date under the header.</source>
        <translation>Afficher la semaine ISO de la date choisie sous l’en-tête.</translation>
    </message>
    <message>
        <source>Describe days with the lines &quot;DATE TEXT&quot; of this file, DATE in the --date-format; such days are bold.</source>
        <translation>Décrire des jours avec les lignes « DATE TEXTE » de ce fichier, DATE au --date-format ; ces jours sont en gras.</translation>
    </message>
    <message>
        <source>Align the lines of --text: left, center, right or fill.</source>
        <translation>Aligner les lignes de --text : left, center, right ou fill.</translation>
    </message>
    <message>
        <source>Escape does not end the dialog.</source>
        <translation>Échap ne termine pas le dialogue.</translation>
    </message>
    <message>
        <source>Escape accepts the date as OK does.</source>
        <translation>Échap accepte la date comme OK.</translation>
    </message>
    <message>
        <source>Print the date whichever button ends the dialog.</source>
        <translation>Écrire la date quel que soit le bouton qui termine le dialogue.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is read as %3</source>
        <translation>--%1 « %2 » est lu comme %3</translation>
    </message>
    <message>
        <source>Open the window in the middle of the screen (not on Wayland).</source>
        <translation>Ouvrir la fenêtre au milieu de l’écran (pas sous Wayland).</translation>
    </message>
    <message>
        <source>Open the window centred on the pointer, kept on the screen (not on Wayland).</source>
        <translation>Ouvrir la fenêtre centrée sur le pointeur, gardée sur l’écran (pas sous Wayland).</translation>
    </message>
    <message>
        <source>Put the window&apos;s left edge X pixels from the screen&apos;s; a negative X counts from the right edge (not on Wayland).</source>
        <translation>Placer le bord gauche de la fenêtre à X pixels de celui de l’écran ; un X négatif compte depuis le bord droit (pas sous Wayland).</translation>
    </message>
    <message>
        <source>Put the window&apos;s top edge Y pixels from the screen&apos;s; a negative Y counts from the bottom edge (not on Wayland).</source>
        <translation>Placer le bord supérieur de la fenêtre à Y pixels de celui de l’écran ; un Y négatif compte depuis le bord inférieur (pas sous Wayland).</translation>
    </message>
    <message>
        <source>The window&apos;s least size and its place, as X11 writes them, such as 300x200-10+20 (the place not on Wayland).</source>
        <translation>La taille minimale de la fenêtre et sa place, écrites comme sous X11, par exemple 300x200-10+20 (la place pas sous Wayland).</translation>
    </message>
    <message>
        <source>Show the window without a title bar or frame.</source>
        <translation>Afficher la fenêtre sans barre de titre ni cadre.</translation>
    </message>
    <message>
        <source>Keep the window from being resized.</source>
        <translation>Empêcher le redimensionnement de la fenêtre.</translation>
    </message>
    <message>
        <source>Keep the window above other windows.</source>
        <translation>Garder la fenêtre au-dessus des autres fenêtres.</translation>
    </message>
    <message>
        <source>Show the window on every workspace.</source>
        <translation>Afficher la fenêtre sur tous les espaces de travail.</translation>
    </message>
    <message>
        <source>Leave the window out of the taskbar.</source>
        <translation>Ne pas afficher la fenêtre dans la barre des tâches.</translation>
    </message>
    <message>
        <source>Open the window maximized, its content in the middle.</source>
        <translation>Ouvrir la fenêtre maximisée, son contenu au milieu.</translation>
    </message>
    <message>
        <source>Open the window full screen, its content in the middle.</source>
        <translation>Ouvrir la fenêtre en plein écran, son contenu au milieu.</translation>
    </message>
    <message>
        <source>Open the window without taking the keyboard focus.</source>
        <translation>Ouvrir la fenêtre sans prendre le focus du clavier.</translation>
    </message>
    <message>
        <source>Show the window as a splash screen, which window managers show without a frame.</source>
        <translation>Afficher la fenêtre comme un écran de démarrage, que les gestionnaires de fenêtres affichent sans cadre.</translation>
    </message>
    <message>
        <source>Decline, with status 1, when another window takes the keyboard focus.</source>
        <translation>Refuser, avec le statut 1, quand une autre fenêtre prend le focus du clavier.</translation>
    </message>
    <message>
        <source>Fit the window to its content with this many pixels around it (at most 500).</source>
        <translation>Ajuster la fenêtre à son contenu avec autant de pixels autour (500 au plus).</translation>
    </message>
    <message>
        <source>Write every text in this font&apos;s family and size, such as &quot;Sans Bold 12&quot;.</source>
        <translation>Écrire chaque texte dans la famille et la taille de cette police, par exemple « Sans Bold 12 ».</translation>
    </message>
    <message>
        <source>With --timeout, show the time left as a bar on this side: top, bottom, left or right.</source>
        <translation>Avec --timeout, afficher le temps restant sous forme de barre de ce côté : top, bottom, left ou right.</translation>
    </message>
    <message>
        <source>Write the window&apos;s X id on standard error, or into FILE, without a line&apos;s end (not on Wayland).</source>
        <translation>Écrire l’identifiant X de la fenêtre sur la sortie d’erreur standard, ou dans FILE, sans fin de ligne (pas sous Wayland).</translation>
    </message>
    <message>
        <source>The class of the window&apos;s WM_CLASS on X11, and its app id on Wayland.</source>
        <translation>La classe du WM_CLASS de la fenêtre sous X11, et son identifiant d’application sous Wayland.</translation>
    </message>
    <message>
        <source>The instance name of the window&apos;s WM_CLASS on X11, and its app id on Wayland without --class.</source>
        <translation>Le nom d’instance du WM_CLASS de la fenêtre sous X11, et son identifiant d’application sous Wayland sans --class.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a date from %3 to %4 in the form YYYY-MM-DD, with or without a time in the form THH:MM</source>
        <translation>--%1 «&#xa0;%2&#xa0;» n’est pas une date du %3 au %4 au format YYYY-MM-DD, avec ou sans heure au format THH:MM</translation>
    </message>
    <message>
        <source>--minute-step needs --time</source>
        <translation>--minute-step demande --time</translation>
    </message>
    <message>
        <source>--minute-step &quot;%1&quot; is not a number from 1 to 30 that divides 60</source>
        <translation>--minute-step «&#xa0;%1&#xa0;» n’est pas un nombre de 1 à 30 qui divise 60</translation>
    </message>
    <message>
        <source>Pick a time of day too, and print it after the date (default format yyyy-MM-dd HH:mm); --date, --min-date and --max-date then take YYYY-MM-DDTHH:MM.</source>
        <translation>Choisit aussi une heure et l’écrit après la date (format par défaut yyyy-MM-dd HH:mm)&#xa0;; --date, --min-date et --max-date prennent alors YYYY-MM-DDTHH:MM.</translation>
    </message>
    <message>
        <source>With --time, offer only every so many minutes (1 to 30, dividing 60).</source>
        <translation>Avec --time, ne propose que les minutes multiples de ce nombre (de 1 à 30, diviseur de 60).</translation>
    </message>
    <message>
        <source>--minute-step %1 leaves no time from %2 to %3</source>
        <translation>--minute-step %1 ne laisse aucune heure de %2 à %3</translation>
    </message>
    <message>
        <source>the local clock skips every time from %1 to %2</source>
        <translation>l’horloge locale saute toutes les heures de %1 à %2</translation>
    </message>
</context>
<context>
    <name>DialogFailure</name>
    <message>
        <source>cannot open a window: %1</source>
        <translation>impossible d’ouvrir une fenêtre : %1</translation>
    </message>
    <message>
        <source>no display (DISPLAY and WAYLAND_DISPLAY are unset)</source>
        <translation>pas d’affichage (DISPLAY et WAYLAND_DISPLAY ne sont pas définies)</translation>
    </message>
    <message>
        <source>the connection to the display was lost</source>
        <translation>la connexion à l’affichage a été perdue</translation>
    </message>
    <message>
        <source>the window was destroyed by another program</source>
        <translation>la fenêtre a été détruite par un autre programme</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Today</source>
        <translation>Aujourd’hui</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Demain</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Hier</translation>
    </message>
    <message>
        <source>First of this month</source>
        <translation>1er du mois</translation>
    </message>
    <message>
        <source>Last of this month</source>
        <translation>Fin du mois</translation>
    </message>
    <message>
        <source>First of last month</source>
        <translation>1er du mois dernier</translation>
    </message>
    <message>
        <source>Last of last month</source>
        <translation>Fin du mois dernier</translation>
    </message>
    <message>
        <source>First of next month</source>
        <translation>1er du mois prochain</translation>
    </message>
    <message>
        <source>Last of next month</source>
        <translation>Fin du mois prochain</translation>
    </message>
    <message>
        <source>Copy “%1”</source>
        <translation>Copier «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>Copier %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Paste date</source>
        <translation>Coller la date</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Week %1</source>
        <translation>Semaine %1</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Maintenant</translation>
    </message>
</context>
<context>
    <name>HostWindow</name>
    <message>
        <source>datepicker: message 0x%1 failed: %2</source>
        <translation>datepicker : échec du message 0x%1 : %2</translation>
    </message>
    <message>
        <source>datepicker: painting failed: %1</source>
        <translation>datepicker : échec du dessin : %1</translation>
    </message>
</context>
<context>
    <name>RunPicker</name>
    <message>
        <source>Date picker</source>
        <translation>Sélecteur de date</translation>
    </message>
    <message>
        <source>The window could not be built.

%1</source>
        <translation>Impossible de créer la fenêtre.

%1</translation>
    </message>
    <message>
        <source>the window could not be built: %1</source>
        <translation>la fenêtre n’a pas pu être construite : %1</translation>
    </message>
    <message>
        <source>the date could not be written: %1</source>
        <translation>la date n’a pas pu être écrite : %1</translation>
    </message>
    <message>
        <source>the window&apos;s id could not be written to %1: %2</source>
        <translation>l’identifiant de la fenêtre n’a pas pu être écrit dans %1 : %2</translation>
    </message>
    <message>
        <source>the text could not be written: %1</source>
        <translation>le texte n’a pas pu être écrit : %1</translation>
    </message>
    <message>
        <source>%1: the command &quot;%2&quot; could not be started
</source>
        <translation>%1 : la commande « %2 » n’a pas pu être lancée
</translation>
    </message>
</context>
<context>
    <name>accessibility</name>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
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
        <translation>Erreur d’exécution %1 : %2</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Appel de procédure ou argument incorrect</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>L’indice n’appartient pas à la sélection</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Incompatibilité de type</translation>
    </message>
    <message>
        <source>Can&apos;t create object</source>
        <translation>Impossible de créer l’objet</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method</source>
        <translation>Cet objet ne gère pas cette propriété ou cette méthode</translation>
    </message>
    <message>
        <source>Wrong number of arguments or invalid property assignment</source>
        <translation>Nombre d’arguments incorrect ou affectation de propriété non valide</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Erreur définie par l’application ou par l’objet</translation>
    </message>
</context>
</TS>
