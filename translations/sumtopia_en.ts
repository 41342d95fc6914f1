<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Delivery</name>
    <message numerus="yes">
        <source> %n job(s) had already been accepted;</source>
        <extracomment>Followed by &quot; the other %n were not sent.&quot;</extracomment>
        <translation>
            <numerusform> %n job had already been accepted;</numerusform>
            <numerusform> %n jobs had already been accepted;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> the other %n were not sent.</source>
        <extracomment>The jobs of the worksheets that were not sent; follows &quot; %n job(s) had already been accepted;&quot;</extracomment>
        <translation>
            <numerusform> the other %n was not sent.</numerusform>
            <numerusform> the other %n were not sent.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The printer &quot;%1&quot; is paused: the %n worksheet(s) wait(s) in its queue and print(s) when the printer is resumed.</source>
        <extracomment>The English form for one says &quot;the worksheet&quot;, without the number.</extracomment>
        <translation>
            <numerusform>The printer &quot;%1&quot; is paused: the worksheet waits in its queue and prints when the printer is resumed.</numerusform>
            <numerusform>The printer &quot;%1&quot; is paused: the %n worksheets wait in its queue and print when the printer is resumed.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 %n job(s) had been accepted by the printer &quot;%2&quot;; whether they print cannot be told. %3</source>
        <extracomment>%1 is the print server&apos;s own sentence, %3 a sentence on what to do.</extracomment>
        <translation>
            <numerusform>%1 %n job had been accepted by the printer &quot;%2&quot;; whether it prints cannot be told. %3</numerusform>
            <numerusform>%1 %n jobs had been accepted by the printer &quot;%2&quot;; whether they print cannot be told. %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <comment>time waited</comment>
        <extracomment>How long the program waited for the printer; put into the sentences on jobs still waiting in its queue (&quot;after %2&quot;).</extracomment>
        <translation>
            <numerusform>%n second</numerusform>
            <numerusform>%n seconds</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n job(s) of the printer &quot;%1&quot; still wait(s) in its queue after %2; they print when the printer gets to them.</source>
        <translation>
            <numerusform>%n job of the printer &quot;%1&quot; still waits in its queue after %2; it prints when the printer gets to it.</numerusform>
            <numerusform>%n jobs of the printer &quot;%1&quot; still wait in its queue after %2; they print when the printer gets to them.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n job(s) of the printer &quot;%1&quot; still wait(s) in its queue after %2 (the printer says: %3); they print when the printer gets to them.</source>
        <extracomment>%3 is what the printer itself says, without a full stop.</extracomment>
        <translation>
            <numerusform>%n job of the printer &quot;%1&quot; still waits in its queue after %2 (the printer says: %3); it prints when the printer gets to it.</numerusform>
            <numerusform>%n jobs of the printer &quot;%1&quot; still wait in its queue after %2 (the printer says: %3); they print when the printer gets to them.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n worksheet(s) were sent to the printer &quot;%1&quot;, but the print server keeps no record of finished jobs, so whether they printed cannot be told; look at the printer before printing them again.</source>
        <extracomment>The singular form speaks of &quot;The worksheet&quot; without its count.</extracomment>
        <translation>
            <numerusform>The worksheet was sent to the printer &quot;%1&quot;, but the print server keeps no record of finished jobs, so whether it printed cannot be told; look at the printer before printing it again.</numerusform>
            <numerusform>%n worksheets were sent to the printer &quot;%1&quot;, but the print server keeps no record of finished jobs, so whether they printed cannot be told; look at the printer before printing them again.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The print server (%1) did not answer within %n second(s).</source>
        <translation>
            <numerusform>The print server (%1) did not answer within %n second.</numerusform>
            <numerusform>The print server (%1) did not answer within %n seconds.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n worksheet(s) were cancelled at the printer &quot;%1&quot;; print them again if they are still needed.</source>
        <extracomment>Someone cancelled the jobs (at the printer, with the cancel command or in the print queue settings). The singular form speaks of &quot;The worksheet&quot; without its count.</extracomment>
        <translation>
            <numerusform>The worksheet was cancelled at the printer &quot;%1&quot;; print it again if it is still needed.</numerusform>
            <numerusform>%n worksheets were cancelled at the printer &quot;%1&quot;; print them again if they are still needed.</numerusform>
        </translation>
    </message>
</context>
</TS>
