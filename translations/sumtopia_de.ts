<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CandidateLabel</name>
    <message>
        <source>answer choice %1 of 4</source>
        <translation>Antwortkarte %1 von 4</translation>
    </message>
</context>
<context>
    <name>Delivery</name>
    <message>
        <source>no reason given</source>
        <translation>ohne Angabe eines Grundes</translation>
    </message>
    <message>
        <source>Check that the printing service is running, then try again.</source>
        <translation>Prüfen Sie, ob der Druckdienst läuft, und versuchen Sie es dann noch einmal.</translation>
    </message>
    <message>
        <source>The file that was there is unchanged.</source>
        <translation>Die vorhandene Datei ist unverändert.</translation>
    </message>
    <message>
        <source>No file was left behind.</source>
        <translation>Es wurde keine Datei zurückgelassen.</translation>
    </message>
    <message>
        <source>%1 could not be written: nothing reads from it. Start the program that reads it, or choose a file, then try again.</source>
        <translation>%1 konnte nicht geschrieben werden: Nichts liest davon. Starten Sie das Programm, das davon liest, oder wählen Sie eine Datei und versuchen Sie es dann noch einmal.</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>der Dateiname ist leer</translation>
    </message>
    <message>
        <source>the path is %1 bytes long, more than the %2 a path may have</source>
        <translation>der Pfad ist %1 Bytes lang, mehr als die %2, die ein Pfad haben darf</translation>
    </message>
    <message>
        <source>a name in the path is %1 bytes long, more than the %2 a name may have</source>
        <translation>ein Name im Pfad ist %1 Bytes lang, mehr als die %2, die ein Name haben darf</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>it is a symbolic link that leads round in a loop</source>
        <translation>es ist eine symbolische Verknüpfung, die im Kreis führt</translation>
    </message>
    <message>
        <source>it is a symbolic link to something that does not exist</source>
        <translation>es ist eine symbolische Verknüpfung auf etwas, das es nicht gibt</translation>
    </message>
    <message>
        <source>the folder %1 cannot be used: %2</source>
        <translation>der Ordner %1 kann nicht benutzt werden: %2</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <source>the folder %1 takes no new files: %2</source>
        <translation>der Ordner %1 nimmt keine neuen Dateien auf: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2. Choose another file name.</source>
        <translation>%1 kann nicht geschrieben werden: %2. Wählen Sie einen anderen Dateinamen.</translation>
    </message>
    <message>
        <source>Worksheet</source>
        <translation>Arbeitsblatt</translation>
    </message>
    <message>
        <source>The PDF pages for %1 could not be drawn; nothing was written.</source>
        <translation>Die PDF-Seiten für %1 konnten nicht gezeichnet werden; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>No printer is set up.</source>
        <translation>Es ist kein Drucker eingerichtet.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not accept the worksheet: %2.%3 Check that the printer accepts jobs, then try again.</source>
        <translation>Der Drucker „%1“ hat das Arbeitsblatt nicht angenommen: %2.%3 Prüfen Sie, ob der Drucker Aufträge annimmt, und versuchen Sie es dann noch einmal.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not print the worksheet yet: %2. The worksheet is held in its queue and the print server tries it again later; check the printer.</source>
        <translation>Der Drucker „%1“ konnte das Arbeitsblatt noch nicht drucken: %2. Das Arbeitsblatt bleibt in seiner Warteschlange, und der Druckserver versucht es später noch einmal; prüfen Sie den Drucker.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; stopped before the worksheet was printed: %2. The worksheet stays in its queue and prints when the printer is resumed.</source>
        <translation>Der Drucker „%1“ hat angehalten, bevor das Arbeitsblatt gedruckt war: %2. Das Arbeitsblatt bleibt in seiner Warteschlange und wird gedruckt, sobald der Drucker fortgesetzt wird.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not print the worksheet: %2. Check the printer, then print the worksheet again.</source>
        <translation>Der Drucker „%1“ hat das Arbeitsblatt nicht gedruckt: %2. Prüfen Sie den Drucker und drucken Sie das Arbeitsblatt dann noch einmal.</translation>
    </message>
    <message>
        <source>The worksheet was saved as %1.</source>
        <translation>Das Arbeitsblatt wurde als %1 gespeichert.</translation>
    </message>
    <message>
        <source>no printer is set up; use --output FILE.pdf or --output -</source>
        <translation>es ist kein Drucker eingerichtet; verwenden Sie --output DATEI.pdf oder --output -</translation>
    </message>
    <message>
        <source>The worksheet was not saved. %1</source>
        <translation>Das Arbeitsblatt wurde nicht gespeichert. %1</translation>
    </message>
    <message>
        <source>The worksheet was not printed. %1</source>
        <translation>Das Arbeitsblatt wurde nicht gedruckt. %1</translation>
    </message>
    <message>
        <source>Free some space or choose another place, then try again.</source>
        <translation>Schaffen Sie Platz oder wählen Sie einen anderen Ort und versuchen Sie es dann noch einmal.</translation>
    </message>
    <message>
        <source>Choose a place where you may write, or ask for permission to write there, then try again.</source>
        <translation>Wählen Sie einen Ort, an dem Sie schreiben dürfen, oder bitten Sie um die Erlaubnis, dort zu schreiben, und versuchen Sie es dann noch einmal.</translation>
    </message>
    <message>
        <source>The folder is gone; choose a folder that exists, then try again.</source>
        <translation>Der Ordner ist nicht mehr da; wählen Sie einen vorhandenen Ordner und versuchen Sie es dann noch einmal.</translation>
    </message>
    <message>
        <source>The disk may have been removed or failed; check it or choose another place, then try again.</source>
        <translation>Der Datenträger wurde vielleicht entfernt oder ist ausgefallen; prüfen Sie ihn oder wählen Sie einen anderen Ort und versuchen Sie es dann noch einmal.</translation>
    </message>
    <message>
        <source>The disk there takes no changes (it is read-only); choose another place, then try again.</source>
        <translation>Der Datenträger dort nimmt keine Änderungen an (er ist schreibgeschützt); wählen Sie einen anderen Ort und versuchen Sie es dann noch einmal.</translation>
    </message>
    <message>
        <source>Choose another place, then try again.</source>
        <translation>Wählen Sie einen anderen Ort und versuchen Sie es dann noch einmal.</translation>
    </message>
    <message>
        <source>it is on a disk that takes no changes</source>
        <translation>sie liegt auf einem Datenträger, der keine Änderungen annimmt</translation>
    </message>
    <message>
        <source>it is write-protected</source>
        <translation>sie ist schreibgeschützt</translation>
    </message>
    <message>
        <source>it belongs to another user, and in this folder only they may replace it</source>
        <translation>sie gehört einem anderen Benutzer, und in diesem Ordner darf nur er sie ersetzen</translation>
    </message>
    <message>
        <source>The worksheet has not printed yet: it waits in the queue of the printer &quot;%1&quot; and prints when the printer is back. To cancel it, remove it from the print queue in the printer settings, or run: cancel %2</source>
        <translation>Das Arbeitsblatt ist noch nicht gedruckt: Es wartet in der Warteschlange des Druckers „%1“ und wird gedruckt, sobald der Drucker wieder da ist. Um es abzubrechen, entfernen Sie es in den Druckereinstellungen aus der Warteschlange oder führen Sie aus: cancel %2</translation>
    </message>
    <message>
        <source>The worksheet has not printed yet: it waits in the queue of the printer &quot;%1&quot;, which says: %2. It prints when the printer is back. To cancel it, remove it from the print queue in the printer settings, or run: cancel %3</source>
        <translation>Das Arbeitsblatt ist noch nicht gedruckt: Es wartet in der Warteschlange des Druckers „%1“, der meldet: %2. Es wird gedruckt, sobald der Drucker wieder da ist. Um es abzubrechen, entfernen Sie es in den Druckereinstellungen aus der Warteschlange oder führen Sie aus: cancel %3</translation>
    </message>
    <message>
        <source>no print server is running at %1; start the printing service (CUPS), or use --output FILE.pdf or --output -</source>
        <translation>unter %1 läuft kein Druckserver; starten Sie den Druckdienst (CUPS) oder verwenden Sie --output DATEI.pdf oder --output -</translation>
    </message>
    <message numerus="yes">
        <source> %n job(s) had already been accepted;</source>
        <extracomment>Followed by &quot; the other %n were not sent.&quot;</extracomment>
        <translation>
            <numerusform> %n Auftrag war bereits angenommen worden;</numerusform>
            <numerusform> %n Aufträge waren bereits angenommen worden;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> the other %n were not sent.</source>
        <extracomment>The jobs of the worksheets that were not sent; follows &quot; %n job(s) had already been accepted;&quot;</extracomment>
        <translation>
            <numerusform> der letzte wurde nicht gesendet.</numerusform>
            <numerusform> die übrigen %n wurden nicht gesendet.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The printer &quot;%1&quot; is paused: the %n worksheet(s) wait(s) in its queue and print(s) when the printer is resumed.</source>
        <extracomment>The English form for one says &quot;the worksheet&quot;, without the number.</extracomment>
        <translation>
            <numerusform>Der Drucker „%1“ ist angehalten: Das Arbeitsblatt wartet in seiner Warteschlange und wird gedruckt, sobald der Drucker fortgesetzt wird.</numerusform>
            <numerusform>Der Drucker „%1“ ist angehalten: Die %n Arbeitsblätter warten in seiner Warteschlange und werden gedruckt, sobald der Drucker fortgesetzt wird.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 %n job(s) had been accepted by the printer &quot;%2&quot;; whether they print cannot be told. %3</source>
        <extracomment>%1 is the print server&apos;s own sentence, %3 a sentence on what to do.</extracomment>
        <translation>
            <numerusform>%1 Der Drucker „%2“ hatte %n Auftrag angenommen; ob er gedruckt wird, lässt sich nicht sagen. %3</numerusform>
            <numerusform>%1 Der Drucker „%2“ hatte %n Aufträge angenommen; ob sie gedruckt werden, lässt sich nicht sagen. %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <comment>time waited</comment>
        <extracomment>How long the program waited for the printer; put into the sentences on jobs still waiting in its queue (&quot;after %2&quot;).</extracomment>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n job(s) of the printer &quot;%1&quot; still wait(s) in its queue after %2; they print when the printer gets to them.</source>
        <translation>
            <numerusform>%n Auftrag des Druckers „%1“ wartet nach %2 noch in seiner Warteschlange; er wird gedruckt, sobald er an der Reihe ist.</numerusform>
            <numerusform>%n Aufträge des Druckers „%1“ warten nach %2 noch in seiner Warteschlange; sie werden gedruckt, sobald sie an der Reihe sind.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n job(s) of the printer &quot;%1&quot; still wait(s) in its queue after %2 (the printer says: %3); they print when the printer gets to them.</source>
        <extracomment>%3 is what the printer itself says, without a full stop.</extracomment>
        <translation>
            <numerusform>%n Auftrag des Druckers „%1“ wartet nach %2 (der Drucker meldet: %3) noch in seiner Warteschlange; er wird gedruckt, sobald er an der Reihe ist.</numerusform>
            <numerusform>%n Aufträge des Druckers „%1“ warten nach %2 (der Drucker meldet: %3) noch in seiner Warteschlange; sie werden gedruckt, sobald sie an der Reihe sind.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 could not be written: %2 (while opening). %3 %4</source>
        <translation>%1 konnte nicht geschrieben werden: %2 (beim Öffnen). %3 %4</translation>
    </message>
    <message>
        <source>%1 could not be written: %2 (while creating the new file). %3 %4</source>
        <translation>%1 konnte nicht geschrieben werden: %2 (beim Anlegen der neuen Datei). %3 %4</translation>
    </message>
    <message>
        <source>%1 could not be written: %2 (while writing). %3 %4</source>
        <translation>%1 konnte nicht geschrieben werden: %2 (beim Schreiben). %3 %4</translation>
    </message>
    <message>
        <source>%1 could not be written: %2 (while flushing to disk). %3 %4</source>
        <translation>%1 konnte nicht geschrieben werden: %2 (beim Sichern auf den Datenträger). %3 %4</translation>
    </message>
    <message>
        <source>%1 could not be written: %2 (while closing). %3 %4</source>
        <translation>%1 konnte nicht geschrieben werden: %2 (beim Schließen). %3 %4</translation>
    </message>
    <message>
        <source>%1 could not be written: %2 (while putting the new file in place). %3 %4</source>
        <translation>%1 konnte nicht geschrieben werden: %2 (beim Ersetzen durch die neue Datei). %3 %4</translation>
    </message>
    <message numerus="yes">
        <source>%n worksheet(s) were sent to the printer &quot;%1&quot;, but the print server keeps no record of finished jobs, so whether they printed cannot be told; look at the printer before printing them again.</source>
        <extracomment>The singular form speaks of &quot;The worksheet&quot; without its count.</extracomment>
        <translation>
            <numerusform>Das Arbeitsblatt wurde an den Drucker „%1“ gesendet, aber der Druckserver führt keine Aufzeichnungen über beendete Aufträge, daher lässt sich nicht sagen, ob es gedruckt wurde; sehen Sie am Drucker nach, bevor Sie es noch einmal drucken.</numerusform>
            <numerusform>%n Arbeitsblätter wurden an den Drucker „%1“ gesendet, aber der Druckserver führt keine Aufzeichnungen über beendete Aufträge, daher lässt sich nicht sagen, ob sie gedruckt wurden; sehen Sie am Drucker nach, bevor Sie sie noch einmal drucken.</numerusform>
        </translation>
    </message>
    <message>
        <source>The printing service is not running, so the worksheet can be saved as a PDF file instead; start the service to print</source>
        <translation>Der Druckdienst läuft nicht; das Arbeitsblatt kann stattdessen als PDF-Datei gespeichert werden; starten Sie den Dienst, um zu drucken</translation>
    </message>
    <message>
        <source>No printer is set up, so the worksheet can be saved as a PDF file instead</source>
        <translation>Es ist kein Drucker eingerichtet; das Arbeitsblatt kann stattdessen als PDF-Datei gespeichert werden</translation>
    </message>
    <message>
        <source>output path of %1 bytes is too long; allowed: a path of at most %2 bytes</source>
        <translation>Ausgabepfad mit %1 Bytes ist zu lang; erlaubt: ein Pfad mit höchstens %2 Bytes</translation>
    </message>
    <message>
        <source>output path holds a name of %1 bytes; allowed: names of at most %2 bytes</source>
        <translation>Ausgabepfad enthält einen Namen mit %1 Bytes; erlaubt: Namen mit höchstens %2 Bytes</translation>
    </message>
    <message>
        <source>Your share of the disk there (your quota) is used up; delete files you no longer need or choose another place, then try again.</source>
        <translation>Ihr Anteil am Datenträger dort (Ihr Kontingent) ist aufgebraucht; löschen Sie Dateien, die Sie nicht mehr brauchen, oder wählen Sie einen anderen Ort und versuchen Sie es dann noch einmal.</translation>
    </message>
    <message>
        <source>The network folder could not be reached; check the network or choose another place, then try again.</source>
        <translation>Der Netzwerkordner war nicht erreichbar; prüfen Sie das Netzwerk oder wählen Sie einen anderen Ort und versuchen Sie es dann noch einmal.</translation>
    </message>
    <message>
        <source>The file is larger than the disk there allows; choose another place, then try again.</source>
        <translation>Die Datei ist größer, als der Datenträger dort erlaubt; wählen Sie einen anderen Ort und versuchen Sie es dann noch einmal.</translation>
    </message>
    <message>
        <source>Choose a shorter file name, then try again.</source>
        <translation>Wählen Sie einen kürzeren Dateinamen und versuchen Sie es dann noch einmal.</translation>
    </message>
    <message>
        <source>A folder has that name now; choose another file name, then try again.</source>
        <translation>Ein Ordner trägt jetzt diesen Namen; wählen Sie einen anderen Dateinamen und versuchen Sie es dann noch einmal.</translation>
    </message>
    <message>
        <source>Another program is using the file; close it or choose another file name, then try again.</source>
        <translation>Ein anderes Programm verwendet die Datei; schließen Sie es oder wählen Sie einen anderen Dateinamen und versuchen Sie es dann noch einmal.</translation>
    </message>
    <message>
        <source>The computer is short of resources; close some programs, then try again.</source>
        <translation>Dem Computer gehen die Ressourcen aus; schließen Sie einige Programme und versuchen Sie es dann noch einmal.</translation>
    </message>
    <message>
        <source>The default printer &quot;%1&quot; no longer exists; choose another one in the printer settings or with lpoptions -d NAME, then try again.</source>
        <translation>Den Standarddrucker „%1“ gibt es nicht mehr; wählen Sie in den Druckereinstellungen oder mit lpoptions -d NAME einen anderen und versuchen Sie es dann noch einmal.</translation>
    </message>
    <message>
        <source>No print server runs at %1.</source>
        <translation>Unter %1 läuft kein Druckserver.</translation>
    </message>
    <message numerus="yes">
        <source>The print server (%1) did not answer within %n second(s).</source>
        <translation>
            <numerusform>Der Druckserver (%1) hat nicht innerhalb von %n Sekunde geantwortet.</numerusform>
            <numerusform>Der Druckserver (%1) hat nicht innerhalb von %n Sekunden geantwortet.</numerusform>
        </translation>
    </message>
    <message>
        <source>The print server (%1) broke off the connection.</source>
        <translation>Der Druckserver (%1) hat die Verbindung abgebrochen.</translation>
    </message>
    <message>
        <source>The print server (%1) is busy and turned the request away.</source>
        <translation>Der Druckserver (%1) ist ausgelastet und hat die Anfrage abgewiesen.</translation>
    </message>
    <message>
        <source>The printing library could not be loaded (%1). Install the CUPS client library (libcups2), then try again.</source>
        <translation>Die Druckbibliothek konnte nicht geladen werden (%1). Installieren Sie die CUPS-Client-Bibliothek (libcups2) und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>The printing library %1 lacks %2. Install a current CUPS client library (libcups2), then try again.</source>
        <translation>Der Druckbibliothek %1 fehlt %2. Installieren Sie eine aktuelle CUPS-Client-Bibliothek (libcups2) und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>the pages could not be drawn</source>
        <translation>die Seiten konnten nicht gezeichnet werden</translation>
    </message>
    <message>
        <source>The CUPS client library (libcups2) is missing or incomplete, so the worksheet can be saved as a PDF file instead; install it to print</source>
        <translation>Die CUPS-Client-Bibliothek (libcups2) fehlt oder ist unvollständig; das Arbeitsblatt kann stattdessen als PDF-Datei gespeichert werden; installieren Sie sie, um zu drucken</translation>
    </message>
    <message numerus="yes">
        <source>%n worksheet(s) were cancelled at the printer &quot;%1&quot;; print them again if they are still needed.</source>
        <extracomment>Someone cancelled the jobs (at the printer, with the cancel command or in the print queue settings). The singular form speaks of &quot;The worksheet&quot; without its count.</extracomment>
        <translation>
            <numerusform>Das Arbeitsblatt wurde am Drucker „%1“ abgebrochen; drucken Sie es noch einmal, falls es noch gebraucht wird.</numerusform>
            <numerusform>%n Arbeitsblätter wurden am Drucker „%1“ abgebrochen; drucken Sie sie noch einmal, falls sie noch gebraucht werden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Wait a moment, then try again.</source>
        <translation>Warten Sie einen Moment und versuchen Sie es dann noch einmal.</translation>
    </message>
</context>
<context>
    <name>DrillLayout</name>
    <message>
        <source>Add the two numbers together, then drag the correct answer  to the total box.</source>
        <translation>Addiere die zwei Zahlen und ziehe die richtige Antwort ins Ergebnisfeld.</translation>
    </message>
    <message>
        <source>Subtract the two numbers, then drag the correct answer  to the total box.</source>
        <translation>Subtrahiere die zwei Zahlen und ziehe die richtige Antwort ins Ergebnisfeld.</translation>
    </message>
    <message>
        <source>Multiply the two numbers together, then drag the correct answer  to the total box.</source>
        <translation>Multipliziere die zwei Zahlen und ziehe die richtige Antwort ins Ergebnisfeld.</translation>
    </message>
    <message>
        <source>Divide the two numbers , then drag the correct answer  to the total box.</source>
        <translation>Dividiere die zwei Zahlen und ziehe die richtige Antwort ins Ergebnisfeld.</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The button that ends the whole program at once.</extracomment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Next Question</source>
        <extracomment>The button that brings the next problem of the same drill.</extracomment>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Back to Menu</source>
        <translation>Zum Menü</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Subtraktion</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplikation</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>geteilt durch</translation>
    </message>
    <message>
        <source>dividend</source>
        <translation>Dividend</translation>
    </message>
    <message>
        <source>divisor</source>
        <translation>Divisor</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Prozentrechnung</translation>
    </message>
    <message>
        <source>What Percent of:</source>
        <extracomment>The upper row of the question &quot;What percent of [second number] is [first number]&quot;.</extracomment>
        <translation>Wie viel Prozent von:</translation>
    </message>
    <message>
        <source>is:</source>
        <extracomment>The lower row of the question, before the number that is the part: &quot;is [3]&quot; of &quot;What percent of [4] is [3]&quot;.</extracomment>
        <translation>sind:</translation>
    </message>
    <message>
        <source>Answer =</source>
        <translation>Ergebnis =</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>times</source>
        <translation>mal</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>gleich</translation>
    </message>
    <message>
        <source>Answer equals</source>
        <translation>Ergebnis gleich</translation>
    </message>
    <message>
        <source>+</source>
        <extracomment>Operator sign: addition, between the two numbers of an addition problem.</extracomment>
        <translation>+</translation>
    </message>
    <message>
        <source>-</source>
        <extracomment>Operator sign: subtraction, between the two numbers of a subtraction problem.</extracomment>
        <translation>-</translation>
    </message>
    <message>
        <source>X</source>
        <extracomment>Operator sign: multiplication (a capital letter X), between the two numbers of a multiplication problem.</extracomment>
        <translation>·</translation>
    </message>
    <message>
        <source>=</source>
        <extracomment>Operator sign: equals, before the answer box.</extracomment>
        <translation>=</translation>
    </message>
    <message>
        <source>Divide the two numbers , then drag the correct answer  to the total box.</source>
        <comment>percent drill</comment>
        <extracomment>The instruction of the percent drill, which asks what percent one number is of another.</extracomment>
        <translation>Berechne, wie viel Prozent es sind, und ziehe das richtige Ergebnis ins Ergebnisfeld.</translation>
    </message>
</context>
<context>
    <name>DrillWindow</name>
    <message>
        <source>Answer</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Answer with Alt+1 to Alt+4, or Tab to an answer choice and press Space</source>
        <translation>Antworte mit Alt+1 bis Alt+4, oder gehe mit Tab zu einer Antwortkarte und drücke die Leertaste</translation>
    </message>
    <message>
        <source>Teacher&apos;s Guide</source>
        <translation>Für Lehrkräfte</translation>
    </message>
    <message>
        <source>Print Test</source>
        <translation>Arbeitsblatt drucken</translation>
    </message>
    <message>
        <source>Please Enter the Grade Level (1-6).</source>
        <translation>Bitte gib deine Klassenstufe ein (1–6).</translation>
    </message>
    <message>
        <source>Grade Level</source>
        <translation>Klassenstufe</translation>
    </message>
    <message>
        <source>Welcome %1!   To The Sumtopia.</source>
        <extracomment>%1 is the child&apos;s first name in capitals; the English design has three blanks after &quot;!&quot;.</extracomment>
        <translation>Willkommen, %1!   Auf geht’s nach Sumtopia.</translation>
    </message>
    <message>
        <source>CORRECT %1</source>
        <translation>RICHTIG, %1</translation>
    </message>
    <message>
        <source>Sorry,Try Again %1</source>
        <translation>Leider falsch, versuch es noch mal, %1</translation>
    </message>
    <message>
        <source>Tab to Next Question and press Space for a new problem</source>
        <translation>Gehe mit Tab zu „Nächste“ und drücke die Leertaste für eine neue Aufgabe</translation>
    </message>
    <message>
        <source>%1 %2. %3</source>
        <extracomment>Said once when a drill opens: the welcome line, the problem, how to answer</extracomment>
        <translation>%1 %2. %3</translation>
    </message>
</context>
<context>
    <name>Subjects</name>
    <message>
        <source>Do You Want Negative Answers Mixed In?</source>
        <translation>Sollen auch negative Ergebnisse vorkommen?</translation>
    </message>
    <message>
        <source>Answer </source>
        <translation>Ergebnis </translation>
    </message>
    <message>
        <source> Answer </source>
        <translation> Ergebnis </translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Add the following numbers</source>
        <translation>Addiere die folgenden Zahlen</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Subtraktion</translation>
    </message>
    <message>
        <source>Subtract the following numbers</source>
        <translation>Subtrahiere die folgenden Zahlen</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>Divide the following numbers</source>
        <translation>Dividiere die folgenden Zahlen</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplikation</translation>
    </message>
    <message>
        <source>Multiply the following numbers</source>
        <translation>Multipliziere die folgenden Zahlen</translation>
    </message>
    <message>
        <source>Percents</source>
        <translation>Prozentrechnung</translation>
    </message>
    <message>
        <source>Find the percent of the following numbers</source>
        <translation>Berechne den Prozentsatz der folgenden Zahlen</translation>
    </message>
    <message>
        <source>IS WHAT PERCENT OF:</source>
        <translation>SIND WIE VIEL % VON:</translation>
    </message>
    <message>
        <source>+</source>
        <extracomment>Operator sign: addition, printed before the second number of a worksheet problem.</extracomment>
        <translation>+</translation>
    </message>
    <message>
        <source>-</source>
        <extracomment>Operator sign: subtraction, printed before the second number of a worksheet problem.</extracomment>
        <translation>-</translation>
    </message>
    <message>
        <source>x</source>
        <extracomment>Operator sign: multiplication (a lower-case letter x), printed before the second number of a worksheet problem.</extracomment>
        <translation>·</translation>
    </message>
    <message>
        <source> / </source>
        <extracomment>Operator sign: division, with one blank on each side, between the two numbers of a worksheet problem; keep the blanks.</extracomment>
        <translation> : </translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>%1,%2</source>
        <extracomment>Joins two items of a list that is not yet at its end. The English design writes no blank after the comma.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1,or %2</source>
        <extracomment>Joins the last item of a list of choices. The English design writes no blank after the comma.</extracomment>
        <translation>%1 oder %2</translation>
    </message>
</context>
<context>
    <name>WorksheetCommand</name>
    <message>
        <source>standard output</source>
        <translation>Standardausgabe</translation>
    </message>
</context>
<context>
    <name>WorksheetOptions</name>
    <message>
        <source>a PDF file path, or - for standard output</source>
        <translation>ein PDF-Dateipfad oder - für die Standardausgabe</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;; allowed: %2</source>
        <translation>unbekannte Option „%1“; erlaubt: %2</translation>
    </message>
    <message>
        <source>option %1 takes no value, but was given &apos;%2&apos;</source>
        <translation>Option %1 nimmt keinen Wert, bekam aber „%2“</translation>
    </message>
    <message>
        <source>option %1 is missing its value; allowed: %2</source>
        <translation>bei Option %1 fehlt der Wert; erlaubt: %2</translation>
    </message>
    <message>
        <source>value &apos;%1&apos; of %2 holds a control character; allowed: %3</source>
        <translation>Wert „%1“ von %2 enthält ein Steuerzeichen; erlaubt: %3</translation>
    </message>
    <message>
        <source>option %1 is given more than once; allowed: once</source>
        <translation>Option %1 ist mehr als einmal angegeben; erlaubt: einmal</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is not allowed; allowed: %3</source>
        <translation>%1 „%2“ ist nicht erlaubt; erlaubt: %3</translation>
    </message>
    <message>
        <source>Makes worksheets of twenty problems without opening a window.</source>
        <translation>Erstellt Arbeitsblätter mit zwanzig Aufgaben, ohne ein Fenster zu öffnen.</translation>
    </message>
    <message>
        <source>Each option is given once, as --name VALUE or --name=VALUE.</source>
        <translation>Jede Option wird einmal angegeben, als --name WERT oder --name=WERT.</translation>
    </message>
    <message>
        <source>SUBJECT</source>
        <translation>RECHENART</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>eine ganze Zahl von %1 bis %2</translation>
    </message>
    <message>
        <source>grade level, %1 to %2</source>
        <translation>Klassenstufe, %1 bis %2</translation>
    </message>
    <message>
        <source>seed, %1 to %2, added to every operand less one</source>
        <translation>Startwert, %1 bis %2, wird um eins vermindert zu jeder Zahl addiert</translation>
    </message>
    <message>
        <source>the copy with the answers filled in</source>
        <translation>das Lösungsblatt: die Ergebnisse eingetragen</translation>
    </message>
    <message>
        <source>%1 only: allow negative answers</source>
        <translation>nur %1: negative Ergebnisse erlauben</translation>
    </message>
    <message>
        <source>after each sheet, its answer copy with the same problems</source>
        <translation>nach jedem Arbeitsblatt sein Lösungsblatt mit denselben Aufgaben</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
    <message>
        <source>K sheets in a row, %1 to %2 (default %3)</source>
        <translation>K Blätter hintereinander, %1 bis %2 (Vorgabe %3)</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>write a PDF file; - writes plain text to standard output;
without it the sheets go to the default printer, one job each</source>
        <translation>eine PDF-Datei schreiben; - schreibt reinen Text auf die Standardausgabe;
ohne diese Option gehen die Blätter an den Standarddrucker, je ein Auftrag</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>a whole number of seconds from %1 to %2</source>
        <translation>eine ganze Zahl von Sekunden von %1 bis %2</translation>
    </message>
    <message>
        <source>how long to wait for the printer to print the jobs, %1 to %2
(default %3); 0 returns once the printer has taken them</source>
        <translation>wie lange auf den Druck der Aufträge gewartet wird, %1 bis %2
(Vorgabe %3); bei 0 endet der Aufruf, sobald der Drucker sie angenommen hat</translation>
    </message>
    <message>
        <source>show this help</source>
        <translation>diese Hilfe zeigen</translation>
    </message>
    <message>
        <source>show the version</source>
        <translation>die Version zeigen</translation>
    </message>
    <message>
        <source>(also %1)</source>
        <translation>(auch %1)</translation>
    </message>
    <message>
        <source>output file &apos;%1&apos; cannot be written (%2); allowed: a writable file path or - for standard output</source>
        <translation>Ausgabedatei „%1“ kann nicht geschrieben werden (%2); erlaubt: ein beschreibbarer Dateipfad oder - für die Standardausgabe</translation>
    </message>
    <message>
        <source>option %1 is missing; allowed: %2</source>
        <translation>Option %1 fehlt; erlaubt: %2</translation>
    </message>
    <message>
        <source>unknown subject &apos;%1&apos; for %2; allowed: %3</source>
        <translation>unbekannte Rechenart „%1“ für %2; erlaubt: %3</translation>
    </message>
    <message>
        <source>%1 is not allowed with &apos;%2&apos;; allowed with %3 only</source>
        <translation>%1 ist mit „%2“ nicht erlaubt; erlaubt nur mit %3</translation>
    </message>
    <message>
        <source>Usage:</source>
        <extracomment>Begins the help; the lines below it are indented to its width.</extracomment>
        <translation>Aufruf:</translation>
    </message>
    <message>
        <source>(starts the window)</source>
        <translation>(öffnet das Fenster)</translation>
    </message>
    <message>
        <source>grade</source>
        <extracomment>Names the value of --grade in &quot;grade &apos;7&apos; is not allowed&quot;; where the English word would stand untranslated, write the option: --grade</extracomment>
        <translation>--grade</translation>
    </message>
    <message>
        <source>seed</source>
        <extracomment>Names the value of --seed in &quot;seed &apos;0&apos; is not allowed&quot;; or write the option: --seed</extracomment>
        <translation>--seed</translation>
    </message>
    <message>
        <source>count</source>
        <extracomment>Names the value of --count in &quot;count &apos;0&apos; is not allowed&quot;; or write the option: --count</extracomment>
        <translation>--count</translation>
    </message>
    <message>
        <source>wait</source>
        <extracomment>Names the value of --wait-seconds in &quot;wait &apos;-1&apos; is not allowed&quot;; or write the option: --wait-seconds</extracomment>
        <translation>--wait-seconds</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins two names of a list of allowed values that is not yet at its end</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>Joins the last name of a list of allowed values: &quot;division, percent or percents&quot;</extracomment>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>SIZE</source>
        <translation>GRÖSSE</translation>
    </message>
    <message>
        <source>a4 or letter</source>
        <translation>a4 oder letter</translation>
    </message>
    <message>
        <source>paper size, a4 or letter; without it a file takes the
locale&apos;s paper (LC_PAPER), a printer its own</source>
        <translation>Papierformat, a4 oder letter; ohne die Option nimmt eine Datei
das Papier des Gebietsschemas (LC_PAPER), ein Drucker sein eigenes</translation>
    </message>
    <message>
        <source>unknown paper &apos;%1&apos; for %2; allowed: %3</source>
        <translation>unbekanntes Papier &apos;%1&apos; für %2; erlaubt: %3</translation>
    </message>
    <message>
        <source>The same choices always give the same sheets. A file is replaced only once the new
one is complete.</source>
        <extracomment>Broken into lines of at most 80 characters.</extracomment>
        <translation>Dieselbe Auswahl ergibt immer dieselben Blätter. Eine Datei wird erst ersetzt,
wenn die neue vollständig ist.</translation>
    </message>
    <message>
        <source>Exit status: 0 done (jobs left waiting in a printer&apos;s queue are said on standard
error), 1 printing or writing failed, 2 bad input (nothing written).</source>
        <extracomment>Broken into lines of at most 80 characters.</extracomment>
        <translation>Rückgabewert: 0 erledigt (Aufträge, die noch in der Warteschlange eines Druckers
warten, werden auf der Standardfehlerausgabe genannt), 1 Drucken oder Schreiben
misslungen, 2 ungültige Eingabe (nichts geschrieben).</translation>
    </message>
</context>
<context>
    <name>Worksheets</name>
    <message>
        <source>NAME: </source>
        <translation>NAME: </translation>
    </message>
    <message>
        <source>DATE: </source>
        <translation>DATUM: </translation>
    </message>
</context>
<context>
    <name>frmSelection</name>
    <message>
        <source>Sumtopia:  Choose Your Category Please</source>
        <translation>Sumtopia:  Wähle bitte deine Rechenart</translation>
    </message>
    <message>
        <source>Enter Your First Name:</source>
        <translation>Dein Vorname:</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Subtraktion</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplikation</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>Percent</source>
        <extracomment>The button that opens the percent drill: the arithmetic of percentages.</extracomment>
        <translation>Prozentrechnung</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The button that ends the whole program at once.</extracomment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Math Application Choices</source>
        <translation>Auswahl der Rechenart</translation>
    </message>
    <message>
        <source>Teacher&apos;s Guide</source>
        <translation>Für Lehrkräfte</translation>
    </message>
    <message>
        <source>Print Test</source>
        <extracomment>Opens the window where a teacher orders a printed worksheet.</extracomment>
        <translation>Arbeitsblatt drucken</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Licensed for use in classrooms and at home</source>
        <translation>Lizenziert für Schule und Zuhause</translation>
    </message>
    <message>
        <source>Copyright © 2026</source>
        <translation>Copyright © 2026</translation>
    </message>
    <message>
        <source>The Sumtopia Team</source>
        <translation>Das Sumtopia-Team</translation>
    </message>
    <message>
        <source>Warning: This is a math application for grades 1-6, the weak at heart should not attempt.</source>
        <translation>Warnung: Ein Matheprogramm für die Klassen 1–6, nichts für schwache Nerven.</translation>
    </message>
    <message>
        <source>Math Quiz</source>
        <translation>Mathe-Quiz</translation>
    </message>
    <message>
        <source>%1, Math Quiz</source>
        <translation>%1, Mathe-Quiz</translation>
    </message>
    <message>
        <source>The menu opens in three seconds. A key press now ends the program.</source>
        <translation>Das Menü öffnet sich in drei Sekunden. Ein Tastendruck beendet jetzt das Programm.</translation>
    </message>
</context>
<context>
    <name>frmTeacherAide</name>
    <message>
        <source>Print Test</source>
        <translation>Arbeitsblatt drucken</translation>
    </message>
    <message>
        <source>This Form is Designed to Aid You in the Creation of a Test.</source>
        <translation>Dieses Fenster hilft Ihnen, ein Arbeitsblatt zu erstellen.</translation>
    </message>
    <message>
        <source>Enter Grade Level: (1 - 6):</source>
        <translation>Klassenstufe (1–6):</translation>
    </message>
    <message>
        <source>Seed for Generator to insure originality (1-20):</source>
        <translation>Startwert des Zufallsgenerators (1–20):</translation>
    </message>
    <message>
        <source>Would you like a copy of the test with answers?</source>
        <translation>Möchten Sie das Lösungsblatt mit den Ergebnissen?</translation>
    </message>
    <message>
        <source>Due to the nature of a random generator, it will only perform one or the other</source>
        <translation>Wegen des Zufallsgenerators gibt es entweder das Arbeitsblatt oder das Lösungsblatt</translation>
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
        <source>Submit</source>
        <extracomment>Prints the worksheet ordered in this window.</extracomment>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Teachers Aide</source>
        <translation>Arbeitsblätter für Lehrkräfte</translation>
    </message>
    <message>
        <source>Please Select A Subject</source>
        <translation>Bitte wählen Sie eine Rechenart</translation>
    </message>
    <message>
        <source>Subject</source>
        <extracomment>The title of the message that asks for the arithmetic subject.</extracomment>
        <translation>Rechenart</translation>
    </message>
    <message>
        <source>Please Enter A Grade Level</source>
        <translation>Bitte geben Sie eine Klassenstufe ein</translation>
    </message>
    <message>
        <source>Grade</source>
        <extracomment>The title of the message that asks for the school grade, 1 to 6.</extracomment>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>Please enter seed from 1 to 20</source>
        <translation>Bitte geben Sie einen Startwert von 1 bis 20 ein</translation>
    </message>
    <message>
        <source>Seed</source>
        <extracomment>The title of the message that asks for the worksheet&apos;s number, 1 to 20.</extracomment>
        <translation>Startwert</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Enter the Subject: %1: </source>
        <extracomment>%1 is the list of the subjects the list box beside it offers, &quot;Addition, ... or Percents&quot;. The English design ends with a blank.</extracomment>
        <translation>Wählen Sie die Rechenart: %1: </translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>closes this window only</comment>
        <extracomment>The button closes this window and goes back to the menu; the program goes on.</extracomment>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>sumtopia: the window cannot be shown: %1; start the program in a desktop session, or make worksheets without a window (sumtopia --help)
</source>
        <translation>sumtopia: Das Fenster kann nicht gezeigt werden: %1; starten Sie das Programm in einer Desktop-Sitzung oder erstellen Sie Arbeitsblätter ohne Fenster (sumtopia --help)
</translation>
    </message>
    <message>
        <source>sumtopia: there is no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); start the program in a desktop session, or make worksheets without a window (sumtopia --help)
</source>
        <translation>sumtopia: Es gibt keine Anzeige für das Fenster (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt); starten Sie das Programm in einer Desktop-Sitzung oder erstellen Sie Arbeitsblätter ohne Fenster (sumtopia --help)
</translation>
    </message>
</context>
</TS>
