<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Desktop</name>
    <message>
        <source>Time calculator</source>
        <comment>desktop entry</comment>
        <extracomment>What kind of program it is, shown beside or below its name in menus.</extracomment>
        <translation>Calculatrice de durées</translation>
    </message>
    <message>
        <source>Add and subtract clock times on a result tape</source>
        <comment>desktop entry and AppStream</comment>
        <extracomment>One line on the program: the menu&apos;s tooltip and the software centre&apos;s summary.</extracomment>
        <translation>Additionner et soustraire des durées sur une bande de résultats</translation>
    </message>
    <message>
        <source>time;clock;hours;minutes;seconds;add;subtract;tape;</source>
        <comment>desktop entry</comment>
        <extracomment>Words that find the program in the menu&apos;s search, each followed by a semicolon, the last one too. Choose the words people would search for, not a word-for-word translation.</extracomment>
        <translation>temps;durée;heure;heures;minutes;secondes;additionner;soustraire;calculatrice;bande;</translation>
    </message>
    <message>
        <source>Marbolin is a small calculator for clock times. Type up to six digits, which fill an hh:mm:ss display from the right as on a pocket calculator, then press + or - to add the time to a running total or take it away.</source>
        <comment>AppStream description</comment>
        <translation>Marbolin est une petite calculatrice pour les durées. Tapez jusqu’à six chiffres, qui remplissent un affichage hh:mm:ss par la droite comme sur une calculatrice de poche, puis appuyez sur + ou - pour ajouter la durée à un total courant ou l’en retirer.</translation>
    </message>
    <message>
        <source>Every operation prints the time and the new total on a scrolling result tape. The total carries seconds into minutes and minutes into hours, and it may go below zero.</source>
        <comment>AppStream description</comment>
        <translation>Chaque opération inscrit la durée et le nouveau total sur une bande de résultats qui défile. Le total reporte les secondes dans les minutes et les minutes dans les heures, et il peut devenir négatif.</translation>
    </message>
    <message>
        <source>Works from the keyboard alone: digits, + and -, C to clear the entry, Ctrl+C to clear everything</source>
        <comment>AppStream description</comment>
        <translation>S’utilise entièrement au clavier : chiffres, + et -, C pour effacer la saisie, Ctrl+C pour tout effacer</translation>
    </message>
    <message>
        <source>Rejects minutes or seconds above 59 with a clear message and loses nothing</source>
        <comment>AppStream description</comment>
        <translation>Refuse les minutes ou les secondes au-delà de 59 avec un message clair, sans rien perdre</translation>
    </message>
    <message>
        <source>Reads and writes no files and keeps no settings</source>
        <comment>AppStream description</comment>
        <translation>Ne lit ni n’écrit aucun fichier et ne garde aucun réglage</translation>
    </message>
    <message>
        <source>Speaks to screen readers in the user&apos;s language</source>
        <comment>AppStream description</comment>
        <translation>Parle aux lecteurs d’écran dans la langue de l’utilisateur</translation>
    </message>
    <message>
        <source>The window after 01:30:00 + 00:45:30 - 02:20:00</source>
        <comment>AppStream screenshot</comment>
        <extracomment>A screenshot&apos;s caption; the times are as the window shows them.</extracomment>
        <translation>La fenêtre après 01:30:00 + 00:45:30 - 02:20:00</translation>
    </message>
    <message>
        <source>The window on a German desktop</source>
        <comment>AppStream screenshot</comment>
        <translation>La fenêtre sur un bureau en allemand</translation>
    </message>
    <message>
        <source>First release.</source>
        <comment>AppStream release</comment>
        <extracomment>The notes on version 1.00 in the software centre.</extracomment>
        <translation>Première version.</translation>
    </message>
</context>
<context>
    <name>Phrases</name>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <extracomment>One field of a time, spoken by a screen reader: &quot;1 hour&quot;, &quot;1000 hours&quot;.</extracomment>
        <translation>
            <numerusform>%n heure</numerusform>
            <numerusform>%n heures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A time below zero; %1 is a time in words, such as &quot;4 minutes 30 seconds&quot;.</extracomment>
        <translation>moins %1</translation>
    </message>
    <message>
        <source>total %1</source>
        <extracomment>Spoken after + or -: the new running total; %1 is a time in words.</extracomment>
        <translation>total %1</translation>
    </message>
    <message>
        <source>entry kept, %1</source>
        <extracomment>Spoken once the error box has closed: the rejected entry stays on the display; %1 is it in words.</extracomment>
        <translation>saisie conservée, %1</translation>
    </message>
    <message>
        <source>entry cleared</source>
        <extracomment>Spoken after C.</extracomment>
        <translation>saisie effacée</translation>
    </message>
    <message>
        <source>all cleared</source>
        <extracomment>Spoken after Ctrl+C, which clears the entry, the total and the tape.</extracomment>
        <translation>tout effacé</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>The title of the box for minutes or seconds above 59.</extracomment>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Input error.</source>
        <extracomment>The error box&apos;s first line.</extracomment>
        <translation>Erreur de saisie.</translation>
    </message>
    <message>
        <source>Input the time in the format &apos;hh:mm:ss&apos;</source>
        <extracomment>The error box&apos;s second line. A screen reader reads it aloud, quotes and all, so leave them out.</extracomment>
        <translation>Saisissez la durée au format hh:mm:ss.</translation>
    </message>
    <message>
        <source>info</source>
        <extracomment>The title of the box that &quot;?&quot; opens.</extracomment>
        <translation>Infos</translation>
    </message>
    <message>
        <source>Written by the Marbolin contributors</source>
        <translation>Écrit par les contributeurs de Marbolin</translation>
    </message>
    <message>
        <source>The program adds and substracts times.</source>
        <translation>Le programme additionne et soustrait des durées.</translation>
    </message>
    <message>
        <source>Input a time-value and then click or type &apos;+&apos; or &apos;-&apos;.</source>
        <extracomment>A screen reader reads the info box aloud, quotes and all, so leave them out.</extracomment>
        <translation>Saisissez une durée, puis cliquez ou tapez + ou -.</translation>
    </message>
    <message>
        <source>&apos;C&apos;=clear, &apos;Ctrl+C&apos;=clear all</source>
        <extracomment>The keys C and Ctrl+C; the key C clears in every language.</extracomment>
        <translation>C = effacer, Ctrl+C = tout effacer</translation>
    </message>
</context>
<context>
    <name>marbolin::Form1</name>
    <message>
        <source>plus</source>
        <extracomment>The + button&apos;s name, spoken by a screen reader.</extracomment>
        <translation>plus</translation>
    </message>
    <message>
        <source>add time</source>
        <comment>tooltip</comment>
        <translation>additionner la durée</translation>
    </message>
    <message>
        <source>minus</source>
        <extracomment>The - button&apos;s name, spoken by a screen reader.</extracomment>
        <translation>moins</translation>
    </message>
    <message>
        <source>substract time</source>
        <comment>tooltip</comment>
        <translation>soustraire la durée</translation>
    </message>
    <message>
        <source>clear</source>
        <extracomment>The C button&apos;s name, spoken by a screen reader.</extracomment>
        <translation>effacer</translation>
    </message>
    <message>
        <source>clear display</source>
        <comment>tooltip</comment>
        <translation>effacer l’affichage</translation>
    </message>
    <message>
        <source>clear all</source>
        <extracomment>The CA button&apos;s name, spoken by a screen reader.</extracomment>
        <translation>tout effacer</translation>
    </message>
    <message>
        <source>clear display and memory</source>
        <comment>tooltip</comment>
        <translation>effacer l’affichage et la mémoire</translation>
    </message>
    <message>
        <source>info</source>
        <extracomment>The ? button&apos;s name, spoken by a screen reader.</extracomment>
        <translation>infos</translation>
    </message>
    <message>
        <source>info</source>
        <comment>tooltip</comment>
        <translation>infos</translation>
    </message>
    <message>
        <source>Result tape</source>
        <extracomment>The result tape&apos;s name, spoken by a screen reader.</extracomment>
        <translation>Bande des résultats</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>A screen reader reads the display as this name followed by its time, &quot;Time 00:13:00&quot;.</extracomment>
        <translation>Temps</translation>
    </message>
</context>
</TS>
