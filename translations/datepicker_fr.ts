<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
        <source>datepicker: the window could not be built: %1</source>
        <translation>datepicker : impossible de créer la fenêtre : %1</translation>
    </message>
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
