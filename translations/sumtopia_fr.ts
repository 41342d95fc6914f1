<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CandidateLabel</name>
    <message>
        <source>answer choice %1 of 4</source>
        <translation>réponse proposée %1 sur 4</translation>
    </message>
</context>
<context>
    <name>Delivery</name>
    <message>
        <source>no reason given</source>
        <translation>sans motif indiqué</translation>
    </message>
    <message>
        <source>Check that the printing service is running, then try again.</source>
        <translation>Vérifiez que le service d’impression fonctionne, puis réessayez.</translation>
    </message>
    <message>
        <source>The file that was there is unchanged.</source>
        <translation>Le fichier qui s’y trouvait est inchangé.</translation>
    </message>
    <message>
        <source>No file was left behind.</source>
        <translation>Aucun fichier n’a été laissé.</translation>
    </message>
    <message>
        <source>%1 could not be written: nothing reads from it. Start the program that reads it, or choose a file, then try again.</source>
        <translation>Impossible d’écrire %1&#xa0;: aucun programme ne le lit. Lancez le programme qui le lit ou choisissez un fichier, puis réessayez.</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>le nom de fichier est vide</translation>
    </message>
    <message>
        <source>the path is %1 bytes long, more than the %2 a path may have</source>
        <translation>le chemin fait %1 octets, plus que les %2 qu’un chemin peut avoir</translation>
    </message>
    <message>
        <source>a name in the path is %1 bytes long, more than the %2 a name may have</source>
        <translation>un nom du chemin fait %1 octets, plus que les %2 qu’un nom peut avoir</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c’est un dossier</translation>
    </message>
    <message>
        <source>it is a symbolic link that leads round in a loop</source>
        <translation>c’est un lien symbolique qui tourne en boucle</translation>
    </message>
    <message>
        <source>it is a symbolic link to something that does not exist</source>
        <translation>c’est un lien symbolique vers quelque chose qui n’existe pas</translation>
    </message>
    <message>
        <source>the folder %1 cannot be used: %2</source>
        <translation>le dossier %1 ne peut pas être utilisé&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 n’est pas un dossier</translation>
    </message>
    <message>
        <source>the folder %1 takes no new files: %2</source>
        <translation>le dossier %1 n’accepte pas de nouveaux fichiers&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2. Choose another file name.</source>
        <translation>Impossible d’écrire %1&#xa0;: %2. Choisissez un autre nom de fichier.</translation>
    </message>
    <message>
        <source>Worksheet</source>
        <translation>Fiche d’exercices</translation>
    </message>
    <message>
        <source>The PDF pages for %1 could not be drawn; nothing was written.</source>
        <translation>Les pages PDF de %1 n’ont pas pu être dessinées&#xa0;; rien n’a été écrit.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>Impossible d’écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>No printer is set up.</source>
        <translation>Aucune imprimante n’est configurée.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not accept the worksheet: %2.%3 Check that the printer accepts jobs, then try again.</source>
        <translation>L’imprimante «&#xa0;%1&#xa0;» n’a pas accepté la fiche&#xa0;: %2.%3 Vérifiez que l’imprimante accepte les tâches d’impression, puis réessayez.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not print the worksheet yet: %2. The worksheet is held in its queue and the print server tries it again later; check the printer.</source>
        <translation>L’imprimante «&#xa0;%1&#xa0;» n’a pas encore pu imprimer la fiche&#xa0;: %2. La fiche reste dans sa file d’attente et le serveur d’impression réessaiera plus tard&#xa0;; vérifiez l’imprimante.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; stopped before the worksheet was printed: %2. The worksheet stays in its queue and prints when the printer is resumed.</source>
        <translation>L’imprimante «&#xa0;%1&#xa0;» s’est arrêtée avant que la fiche soit imprimée&#xa0;: %2. La fiche reste dans sa file d’attente et sera imprimée quand l’imprimante reprendra.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not print the worksheet: %2. Check the printer, then print the worksheet again.</source>
        <translation>L’imprimante «&#xa0;%1&#xa0;» n’a pas imprimé la fiche&#xa0;: %2. Vérifiez l’imprimante, puis imprimez à nouveau la fiche.</translation>
    </message>
    <message>
        <source>The worksheet was saved as %1.</source>
        <translation>La fiche a été enregistrée sous %1.</translation>
    </message>
    <message>
        <source>no printer is set up; use --output FILE.pdf or --output -</source>
        <translation>aucune imprimante n’est configurée&#xa0;; utilisez --output FICHIER.pdf ou --output -</translation>
    </message>
    <message>
        <source>The worksheet was not saved. %1</source>
        <translation>La fiche n’a pas été enregistrée. %1</translation>
    </message>
    <message>
        <source>The worksheet was not printed. %1</source>
        <translation>La fiche n’a pas été imprimée. %1</translation>
    </message>
    <message>
        <source>Free some space or choose another place, then try again.</source>
        <translation>Libérez de la place ou choisissez un autre emplacement, puis réessayez.</translation>
    </message>
    <message>
        <source>Choose a place where you may write, or ask for permission to write there, then try again.</source>
        <translation>Choisissez un emplacement où vous pouvez écrire, ou demandez l’autorisation d’y écrire, puis réessayez.</translation>
    </message>
    <message>
        <source>The folder is gone; choose a folder that exists, then try again.</source>
        <translation>Le dossier n’existe plus&#xa0;; choisissez un dossier existant, puis réessayez.</translation>
    </message>
    <message>
        <source>The disk may have been removed or failed; check it or choose another place, then try again.</source>
        <translation>Le disque a peut-être été retiré ou est défaillant&#xa0;; vérifiez-le ou choisissez un autre emplacement, puis réessayez.</translation>
    </message>
    <message>
        <source>The disk there takes no changes (it is read-only); choose another place, then try again.</source>
        <translation>Ce disque n’accepte aucune modification (il est en lecture seule)&#xa0;; choisissez un autre emplacement, puis réessayez.</translation>
    </message>
    <message>
        <source>Choose another place, then try again.</source>
        <translation>Choisissez un autre emplacement, puis réessayez.</translation>
    </message>
    <message>
        <source>it is on a disk that takes no changes</source>
        <translation>il se trouve sur un disque qui n’accepte aucune modification</translation>
    </message>
    <message>
        <source>it is write-protected</source>
        <translation>il est protégé en écriture</translation>
    </message>
    <message>
        <source>it belongs to another user, and in this folder only they may replace it</source>
        <translation>il appartient à un autre utilisateur, et dans ce dossier lui seul peut le remplacer</translation>
    </message>
    <message>
        <source>The worksheet has not printed yet: it waits in the queue of the printer &quot;%1&quot; and prints when the printer is back. To cancel it, remove it from the print queue in the printer settings, or run: cancel %2</source>
        <translation>La fiche n’est pas encore imprimée&#xa0;: elle attend dans la file de l’imprimante «&#xa0;%1&#xa0;» et sera imprimée quand l’imprimante sera de retour. Pour l’annuler, retirez-la de la file d’impression dans les réglages de l’imprimante, ou lancez&#xa0;: cancel %2</translation>
    </message>
    <message>
        <source>The worksheet has not printed yet: it waits in the queue of the printer &quot;%1&quot;, which says: %2. It prints when the printer is back. To cancel it, remove it from the print queue in the printer settings, or run: cancel %3</source>
        <translation>La fiche n’est pas encore imprimée&#xa0;: elle attend dans la file de l’imprimante «&#xa0;%1&#xa0;», qui indique&#xa0;: %2. Elle sera imprimée quand l’imprimante sera de retour. Pour l’annuler, retirez-la de la file d’impression dans les réglages de l’imprimante, ou lancez&#xa0;: cancel %3</translation>
    </message>
    <message>
        <source>no print server is running at %1; start the printing service (CUPS), or use --output FILE.pdf or --output -</source>
        <translation>aucun serveur d’impression ne fonctionne à l’adresse %1&#xa0;; démarrez le service d’impression (CUPS), ou utilisez --output FICHIER.pdf ou --output -</translation>
    </message>
    <message numerus="yes">
        <source> %n job(s) had already been accepted;</source>
        <extracomment>Followed by &quot; the other %n were not sent.&quot;</extracomment>
        <translation>
            <numerusform> %n tâche d’impression avait déjà été acceptée&#xa0;;</numerusform>
            <numerusform> %n tâches d’impression avaient déjà été acceptées&#xa0;;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> the other %n were not sent.</source>
        <extracomment>The jobs of the worksheets that were not sent; follows &quot; %n job(s) had already been accepted;&quot;</extracomment>
        <translation>
            <numerusform> la dernière n’a pas été envoyée.</numerusform>
            <numerusform> les %n autres n’ont pas été envoyées.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The printer &quot;%1&quot; is paused: the %n worksheet(s) wait(s) in its queue and print(s) when the printer is resumed.</source>
        <extracomment>The English form for one says &quot;the worksheet&quot;, without the number.</extracomment>
        <translation>
            <numerusform>L’imprimante «&#xa0;%1&#xa0;» est en pause&#xa0;: la fiche attend dans sa file d’attente et sera imprimée quand l’imprimante reprendra.</numerusform>
            <numerusform>L’imprimante «&#xa0;%1&#xa0;» est en pause&#xa0;: les %n fiches attendent dans sa file d’attente et seront imprimées quand l’imprimante reprendra.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 %n job(s) had been accepted by the printer &quot;%2&quot;; whether they print cannot be told. %3</source>
        <extracomment>%1 is the print server&apos;s own sentence, %3 a sentence on what to do.</extracomment>
        <translation>
            <numerusform>%1 L’imprimante «&#xa0;%2&#xa0;» avait accepté %n tâche d’impression&#xa0;; impossible de savoir si elle sera imprimée. %3</numerusform>
            <numerusform>%1 L’imprimante «&#xa0;%2&#xa0;» avait accepté %n tâches d’impression&#xa0;; impossible de savoir si elles seront imprimées. %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <comment>time waited</comment>
        <extracomment>How long the program waited for the printer; put into the sentences on jobs still waiting in its queue (&quot;after %2&quot;).</extracomment>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n secondes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n job(s) of the printer &quot;%1&quot; still wait(s) in its queue after %2; they print when the printer gets to them.</source>
        <translation>
            <numerusform>%n tâche d’impression de l’imprimante «&#xa0;%1&#xa0;» attend toujours dans sa file d’attente après %2&#xa0;; elle sera imprimée quand l’imprimante la traitera.</numerusform>
            <numerusform>%n tâches d’impression de l’imprimante «&#xa0;%1&#xa0;» attendent toujours dans sa file d’attente après %2&#xa0;; elles seront imprimées quand l’imprimante les traitera.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n job(s) of the printer &quot;%1&quot; still wait(s) in its queue after %2 (the printer says: %3); they print when the printer gets to them.</source>
        <extracomment>%3 is what the printer itself says, without a full stop.</extracomment>
        <translation>
            <numerusform>%n tâche d’impression de l’imprimante «&#xa0;%1&#xa0;» attend toujours dans sa file d’attente après %2 (l’imprimante indique&#xa0;: %3)&#xa0;; elle sera imprimée quand l’imprimante la traitera.</numerusform>
            <numerusform>%n tâches d’impression de l’imprimante «&#xa0;%1&#xa0;» attendent toujours dans sa file d’attente après %2 (l’imprimante indique&#xa0;: %3)&#xa0;; elles seront imprimées quand l’imprimante les traitera.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 could not be written: %2 (while opening). %3 %4</source>
        <translation>Impossible d’écrire %1&#xa0;: %2 (pendant l’ouverture). %3 %4</translation>
    </message>
    <message>
        <source>%1 could not be written: %2 (while creating the new file). %3 %4</source>
        <translation>Impossible d’écrire %1&#xa0;: %2 (pendant la création du nouveau fichier). %3 %4</translation>
    </message>
    <message>
        <source>%1 could not be written: %2 (while writing). %3 %4</source>
        <translation>Impossible d’écrire %1&#xa0;: %2 (pendant l’écriture). %3 %4</translation>
    </message>
    <message>
        <source>%1 could not be written: %2 (while flushing to disk). %3 %4</source>
        <translation>Impossible d’écrire %1&#xa0;: %2 (pendant l’enregistrement sur le disque). %3 %4</translation>
    </message>
    <message>
        <source>%1 could not be written: %2 (while closing). %3 %4</source>
        <translation>Impossible d’écrire %1&#xa0;: %2 (pendant la fermeture). %3 %4</translation>
    </message>
    <message>
        <source>%1 could not be written: %2 (while putting the new file in place). %3 %4</source>
        <translation>Impossible d’écrire %1&#xa0;: %2 (pendant la mise en place du nouveau fichier). %3 %4</translation>
    </message>
    <message numerus="yes">
        <source>%n worksheet(s) were sent to the printer &quot;%1&quot;, but the print server keeps no record of finished jobs, so whether they printed cannot be told; look at the printer before printing them again.</source>
        <extracomment>The singular form speaks of &quot;The worksheet&quot; without its count.</extracomment>
        <translation>
            <numerusform>%n fiche a été envoyée à l’imprimante «&#xa0;%1&#xa0;», mais le serveur d’impression ne garde aucune trace des tâches terminées&#xa0;; on ne peut donc pas savoir si elle a été imprimée. Regardez l’imprimante avant de l’imprimer à nouveau.</numerusform>
            <numerusform>%n fiches ont été envoyées à l’imprimante «&#xa0;%1&#xa0;», mais le serveur d’impression ne garde aucune trace des tâches terminées&#xa0;; on ne peut donc pas savoir si elles ont été imprimées. Regardez l’imprimante avant de les imprimer à nouveau.</numerusform>
        </translation>
    </message>
    <message>
        <source>The printing service is not running, so the worksheet can be saved as a PDF file instead; start the service to print</source>
        <translation>Le service d’impression ne fonctionne pas&#xa0;: la fiche peut être enregistrée en fichier PDF à la place&#xa0;; démarrez le service pour imprimer</translation>
    </message>
    <message>
        <source>No printer is set up, so the worksheet can be saved as a PDF file instead</source>
        <translation>Aucune imprimante n’est configurée&#xa0;: la fiche peut être enregistrée en fichier PDF à la place</translation>
    </message>
    <message>
        <source>output path of %1 bytes is too long; allowed: a path of at most %2 bytes</source>
        <translation>le chemin de sortie de %1 octets est trop long&#xa0;; autorisé&#xa0;: un chemin de %2 octets au plus</translation>
    </message>
    <message>
        <source>output path holds a name of %1 bytes; allowed: names of at most %2 bytes</source>
        <translation>le chemin de sortie contient un nom de %1 octets&#xa0;; autorisé&#xa0;: des noms de %2 octets au plus</translation>
    </message>
    <message>
        <source>Your share of the disk there (your quota) is used up; delete files you no longer need or choose another place, then try again.</source>
        <translation>Votre part du disque à cet endroit (votre quota) est épuisée ; supprimez des fichiers dont vous n’avez plus besoin ou choisissez un autre emplacement, puis réessayez.</translation>
    </message>
    <message>
        <source>The network folder could not be reached; check the network or choose another place, then try again.</source>
        <translation>Le dossier réseau est injoignable ; vérifiez le réseau ou choisissez un autre emplacement, puis réessayez.</translation>
    </message>
    <message>
        <source>The file is larger than the disk there allows; choose another place, then try again.</source>
        <translation>Le fichier est plus grand que ce que le disque à cet endroit permet ; choisissez un autre emplacement, puis réessayez.</translation>
    </message>
    <message>
        <source>Choose a shorter file name, then try again.</source>
        <translation>Choisissez un nom de fichier plus court, puis réessayez.</translation>
    </message>
    <message>
        <source>A folder has that name now; choose another file name, then try again.</source>
        <translation>Un dossier porte désormais ce nom ; choisissez un autre nom de fichier, puis réessayez.</translation>
    </message>
    <message>
        <source>Another program is using the file; close it or choose another file name, then try again.</source>
        <translation>Un autre programme utilise le fichier ; fermez-le ou choisissez un autre nom de fichier, puis réessayez.</translation>
    </message>
    <message>
        <source>The computer is short of resources; close some programs, then try again.</source>
        <translation>L’ordinateur manque de ressources ; fermez quelques programmes, puis réessayez.</translation>
    </message>
    <message>
        <source>The default printer &quot;%1&quot; no longer exists; choose another one in the printer settings or with lpoptions -d NAME, then try again.</source>
        <translation>L’imprimante par défaut « %1 » n’existe plus ; choisissez-en une autre dans les réglages de l’imprimante ou avec lpoptions -d NOM, puis réessayez.</translation>
    </message>
    <message>
        <source>No print server runs at %1.</source>
        <translation>Aucun serveur d’impression ne fonctionne à l’adresse %1.</translation>
    </message>
    <message numerus="yes">
        <source>The print server (%1) did not answer within %n second(s).</source>
        <translation>
            <numerusform>Le serveur d’impression (%1) n’a pas répondu en %n seconde.</numerusform>
            <numerusform>Le serveur d’impression (%1) n’a pas répondu en %n secondes.</numerusform>
        </translation>
    </message>
    <message>
        <source>The print server (%1) broke off the connection.</source>
        <translation>Le serveur d’impression (%1) a interrompu la connexion.</translation>
    </message>
    <message>
        <source>The print server (%1) is busy and turned the request away.</source>
        <translation>Le serveur d’impression (%1) est occupé et a refusé la demande.</translation>
    </message>
    <message>
        <source>The printing library could not be loaded (%1). Install the CUPS client library (libcups2), then try again.</source>
        <translation>La bibliothèque d’impression n’a pas pu être chargée (%1). Installez la bibliothèque cliente CUPS (libcups2), puis réessayez.</translation>
    </message>
    <message>
        <source>The printing library %1 lacks %2. Install a current CUPS client library (libcups2), then try again.</source>
        <translation>Il manque %2 à la bibliothèque d’impression %1. Installez une version récente de la bibliothèque cliente CUPS (libcups2), puis réessayez.</translation>
    </message>
    <message>
        <source>the pages could not be drawn</source>
        <translation>les pages n’ont pas pu être dessinées</translation>
    </message>
    <message>
        <source>The CUPS client library (libcups2) is missing or incomplete, so the worksheet can be saved as a PDF file instead; install it to print</source>
        <translation>La bibliothèque cliente CUPS (libcups2) est absente ou incomplète : la fiche peut être enregistrée en fichier PDF à la place ; installez-la pour imprimer</translation>
    </message>
    <message numerus="yes">
        <source>%n worksheet(s) were cancelled at the printer &quot;%1&quot;; print them again if they are still needed.</source>
        <extracomment>Someone cancelled the jobs (at the printer, with the cancel command or in the print queue settings). The singular form speaks of &quot;The worksheet&quot; without its count.</extracomment>
        <translation>
            <numerusform>La fiche a été annulée sur l’imprimante « %1 » ; imprimez-la à nouveau si elle est encore nécessaire.</numerusform>
            <numerusform>%n fiches ont été annulées sur l’imprimante « %1 » ; imprimez-les à nouveau si elles sont encore nécessaires.</numerusform>
        </translation>
    </message>
    <message>
        <source>Wait a moment, then try again.</source>
        <translation>Patientez un instant, puis réessayez.</translation>
    </message>
</context>
<context>
    <name>DrillLayout</name>
    <message>
        <source>Add the two numbers together, then drag the correct answer  to the total box.</source>
        <translation>Additionne les deux nombres, puis fais glisser le bon résultat dans la case vide.</translation>
    </message>
    <message>
        <source>Subtract the two numbers, then drag the correct answer  to the total box.</source>
        <translation>Soustrais les deux nombres, puis fais glisser le bon résultat dans la case vide.</translation>
    </message>
    <message>
        <source>Multiply the two numbers together, then drag the correct answer  to the total box.</source>
        <translation>Multiplie les deux nombres, puis fais glisser le bon résultat dans la case vide.</translation>
    </message>
    <message>
        <source>Divide the two numbers , then drag the correct answer  to the total box.</source>
        <translation>Divise les deux nombres, puis fais glisser le bon résultat dans la case vide.</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The button that ends the whole program at once.</extracomment>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Next Question</source>
        <extracomment>The button that brings the next problem of the same drill.</extracomment>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Back to Menu</source>
        <translation>Retour au menu</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Soustraction</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplication</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>divisé par</translation>
    </message>
    <message>
        <source>dividend</source>
        <translation>dividende</translation>
    </message>
    <message>
        <source>divisor</source>
        <translation>diviseur</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Pourcentages</translation>
    </message>
    <message>
        <source>What Percent of:</source>
        <extracomment>The upper row of the question &quot;What percent of [second number] is [first number]&quot;.</extracomment>
        <translation>Quel pourcentage de&#xa0;:</translation>
    </message>
    <message>
        <source>is:</source>
        <extracomment>The lower row of the question, before the number that is the part: &quot;is [3]&quot; of &quot;What percent of [4] is [3]&quot;.</extracomment>
        <translation>est&#xa0;:</translation>
    </message>
    <message>
        <source>Answer =</source>
        <translation>Résultat =</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>moins</translation>
    </message>
    <message>
        <source>times</source>
        <translation>fois</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>égale</translation>
    </message>
    <message>
        <source>Answer equals</source>
        <translation>Résultat égale</translation>
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
        <translation>×</translation>
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
        <translation>Calcule le pourcentage, puis fais glisser le bon résultat dans la case vide.</translation>
    </message>
</context>
<context>
    <name>DrillWindow</name>
    <message>
        <source>Answer</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Answer with Alt+1 to Alt+4, or Tab to an answer choice and press Space</source>
        <translation>Réponds avec Alt+1 à Alt+4, ou va sur une réponse avec Tab et appuie sur Espace</translation>
    </message>
    <message>
        <source>Teacher&apos;s Guide</source>
        <translation>Enseignants</translation>
    </message>
    <message>
        <source>Print Test</source>
        <translation>Imprimer une fiche</translation>
    </message>
    <message>
        <source>Please Enter the Grade Level (1-6).</source>
        <translation>Indique ton niveau de classe (1 à 6).</translation>
    </message>
    <message>
        <source>Grade Level</source>
        <translation>Niveau de classe</translation>
    </message>
    <message>
        <source>Welcome %1!   To The Sumtopia.</source>
        <extracomment>%1 is the child&apos;s first name in capitals; the English design has three blanks after &quot;!&quot;.</extracomment>
        <translation>Bienvenue, %1&#xa0;!   En route pour Sumtopia.</translation>
    </message>
    <message>
        <source>CORRECT %1</source>
        <translation>BRAVO, %1</translation>
    </message>
    <message>
        <source>Sorry,Try Again %1</source>
        <translation>Raté, essaie encore, %1</translation>
    </message>
    <message>
        <source>Tab to Next Question and press Space for a new problem</source>
        <translation>Va sur «&#xa0;Suivant&#xa0;» avec Tab et appuie sur Espace pour un nouvel exercice</translation>
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
        <translation>Voulez-vous aussi des résultats négatifs&#xa0;?</translation>
    </message>
    <message>
        <source>Answer </source>
        <translation>Résultat </translation>
    </message>
    <message>
        <source> Answer </source>
        <translation> Résultat </translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Add the following numbers</source>
        <translation>Calcule les additions suivantes</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Soustraction</translation>
    </message>
    <message>
        <source>Subtract the following numbers</source>
        <translation>Calcule les soustractions suivantes</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>Divide the following numbers</source>
        <translation>Calcule les divisions suivantes</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplication</translation>
    </message>
    <message>
        <source>Multiply the following numbers</source>
        <translation>Calcule les multiplications suivantes</translation>
    </message>
    <message>
        <source>Percents</source>
        <translation>Pourcentages</translation>
    </message>
    <message>
        <source>Find the percent of the following numbers</source>
        <translation>Calcule les pourcentages suivants</translation>
    </message>
    <message>
        <source>IS WHAT PERCENT OF:</source>
        <translation>EST QUEL % DE&#xa0;:</translation>
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
        <translation>×</translation>
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
        <translation>%1 ou %2</translation>
    </message>
</context>
<context>
    <name>WorksheetCommand</name>
    <message>
        <source>standard output</source>
        <translation>sur la sortie standard</translation>
    </message>
</context>
<context>
    <name>WorksheetOptions</name>
    <message>
        <source>a PDF file path, or - for standard output</source>
        <translation>un chemin de fichier PDF, ou - pour la sortie standard</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;; allowed: %2</source>
        <translation>option inconnue «&#xa0;%1&#xa0;»&#xa0;; autorisé&#xa0;: %2</translation>
    </message>
    <message>
        <source>option %1 takes no value, but was given &apos;%2&apos;</source>
        <translation>l’option %1 ne prend pas de valeur, mais a reçu «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>option %1 is missing its value; allowed: %2</source>
        <translation>il manque la valeur de l’option %1&#xa0;; autorisé&#xa0;: %2</translation>
    </message>
    <message>
        <source>value &apos;%1&apos; of %2 holds a control character; allowed: %3</source>
        <translation>la valeur «&#xa0;%1&#xa0;» de %2 contient un caractère de contrôle&#xa0;; autorisé&#xa0;: %3</translation>
    </message>
    <message>
        <source>option %1 is given more than once; allowed: once</source>
        <translation>l’option %1 est donnée plus d’une fois&#xa0;; autorisé&#xa0;: une fois</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is not allowed; allowed: %3</source>
        <translation>%1 «&#xa0;%2&#xa0;» n’est pas autorisé&#xa0;; autorisé&#xa0;: %3</translation>
    </message>
    <message>
        <source>Makes worksheets of twenty problems without opening a window.</source>
        <translation>Crée des fiches de vingt exercices sans ouvrir de fenêtre.</translation>
    </message>
    <message>
        <source>Each option is given once, as --name VALUE or --name=VALUE.</source>
        <translation>Chaque option est donnée une seule fois, sous la forme --nom VALEUR ou --nom=VALEUR.</translation>
    </message>
    <message>
        <source>SUBJECT</source>
        <translation>OPÉRATION</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>un nombre entier de %1 à %2</translation>
    </message>
    <message>
        <source>grade level, %1 to %2</source>
        <translation>niveau de classe, de %1 à %2</translation>
    </message>
    <message>
        <source>seed, %1 to %2, added to every operand less one</source>
        <translation>graine, de %1 à %2, ajoutée moins un à chaque nombre</translation>
    </message>
    <message>
        <source>the copy with the answers filled in</source>
        <translation>le corrigé&#xa0;: les résultats inscrits</translation>
    </message>
    <message>
        <source>%1 only: allow negative answers</source>
        <translation>%1 seulement&#xa0;: autoriser les résultats négatifs</translation>
    </message>
    <message>
        <source>after each sheet, its answer copy with the same problems</source>
        <translation>après chaque fiche, son corrigé avec les mêmes exercices</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
    <message>
        <source>K sheets in a row, %1 to %2 (default %3)</source>
        <translation>K fiches à la suite, de %1 à %2 (%3 par défaut)</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>write a PDF file; - writes plain text to standard output;
without it the sheets go to the default printer, one job each</source>
        <translation>écrire un fichier PDF&#xa0;; - écrit du texte brut sur la sortie standard&#xa0;;
sans cette option, les fiches vont à l’imprimante par défaut, une tâche chacune</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>a whole number of seconds from %1 to %2</source>
        <translation>un nombre entier de secondes de %1 à %2</translation>
    </message>
    <message>
        <source>how long to wait for the printer to print the jobs, %1 to %2
(default %3); 0 returns once the printer has taken them</source>
        <translation>combien de temps attendre que l’imprimante imprime les tâches, de %1 à %2
(%3 par défaut)&#xa0;; avec 0, la commande rend la main dès que l’imprimante les a prises</translation>
    </message>
    <message>
        <source>show this help</source>
        <translation>afficher cette aide</translation>
    </message>
    <message>
        <source>show the version</source>
        <translation>afficher la version</translation>
    </message>
    <message>
        <source>(also %1)</source>
        <translation>(aussi %1)</translation>
    </message>
    <message>
        <source>output file &apos;%1&apos; cannot be written (%2); allowed: a writable file path or - for standard output</source>
        <translation>le fichier de sortie «&#xa0;%1&#xa0;» ne peut pas être écrit (%2)&#xa0;; autorisé&#xa0;: un chemin de fichier accessible en écriture ou - pour la sortie standard</translation>
    </message>
    <message>
        <source>option %1 is missing; allowed: %2</source>
        <translation>l’option %1 manque&#xa0;; autorisé&#xa0;: %2</translation>
    </message>
    <message>
        <source>unknown subject &apos;%1&apos; for %2; allowed: %3</source>
        <translation>opération inconnue «&#xa0;%1&#xa0;» pour %2&#xa0;; autorisé&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1 is not allowed with &apos;%2&apos;; allowed with %3 only</source>
        <translation>%1 n’est pas autorisé avec «&#xa0;%2&#xa0;»&#xa0;; autorisé avec %3 seulement</translation>
    </message>
    <message>
        <source>Usage:</source>
        <extracomment>Begins the help; the lines below it are indented to its width.</extracomment>
        <translation>Usage&#xa0;:</translation>
    </message>
    <message>
        <source>(starts the window)</source>
        <translation>(ouvre la fenêtre)</translation>
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
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>SIZE</source>
        <translation>FORMAT</translation>
    </message>
    <message>
        <source>a4 or letter</source>
        <translation>a4 ou letter</translation>
    </message>
    <message>
        <source>paper size, a4 or letter; without it a file takes the
locale&apos;s paper (LC_PAPER), a printer its own</source>
        <translation>format du papier, a4 ou letter&#xa0;; sans cette option, un fichier prend
le papier de la région (LC_PAPER), une imprimante le sien</translation>
    </message>
    <message>
        <source>unknown paper &apos;%1&apos; for %2; allowed: %3</source>
        <translation>papier inconnu «&#xa0;%1&#xa0;» pour %2&#xa0;; autorisé&#xa0;: %3</translation>
    </message>
    <message>
        <source>The same choices always give the same sheets. A file is replaced only once the new
one is complete.</source>
        <extracomment>Broken into lines of at most 80 characters.</extracomment>
        <translation>Les mêmes choix donnent toujours les mêmes fiches. Un fichier n’est remplacé que
lorsque le nouveau est complet.</translation>
    </message>
    <message>
        <source>Exit status: 0 done (jobs left waiting in a printer&apos;s queue are said on standard
error), 1 printing or writing failed, 2 bad input (nothing written).</source>
        <extracomment>Broken into lines of at most 80 characters.</extracomment>
        <translation>Code de sortie&#xa0;: 0 terminé (les tâches encore en attente dans la file d’une
imprimante sont signalées sur la sortie d’erreur), 1 échec de l’impression ou de
l’écriture, 2 entrée invalide (rien n’est écrit).</translation>
    </message>
</context>
<context>
    <name>Worksheets</name>
    <message>
        <source>NAME: </source>
        <translation>NOM&#xa0;: </translation>
    </message>
    <message>
        <source>DATE: </source>
        <translation>DATE&#xa0;: </translation>
    </message>
</context>
<context>
    <name>frmSelection</name>
    <message>
        <source>Sumtopia:  Choose Your Category Please</source>
        <translation>Sumtopia&#xa0;:  choisis ton opération</translation>
    </message>
    <message>
        <source>Enter Your First Name:</source>
        <translation>Ton prénom&#xa0;:</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Soustraction</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplication</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>Percent</source>
        <extracomment>The button that opens the percent drill: the arithmetic of percentages.</extracomment>
        <translation>Pourcentages</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The button that ends the whole program at once.</extracomment>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Math Application Choices</source>
        <translation>Choix de l’opération</translation>
    </message>
    <message>
        <source>Teacher&apos;s Guide</source>
        <translation>Enseignants</translation>
    </message>
    <message>
        <source>Print Test</source>
        <extracomment>Opens the window where a teacher orders a printed worksheet.</extracomment>
        <translation>Imprimer une fiche</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Licensed for use in classrooms and at home</source>
        <translation>Sous licence pour la classe et la maison</translation>
    </message>
    <message>
        <source>Copyright © 2026</source>
        <translation>Copyright © 2026</translation>
    </message>
    <message>
        <source>The Sumtopia Team</source>
        <translation>L’équipe Sumtopia</translation>
    </message>
    <message>
        <source>Warning: This is a math application for grades 1-6, the weak at heart should not attempt.</source>
        <translation>Attention&#xa0;: un programme de maths pour les niveaux 1 à 6, déconseillé aux âmes sensibles.</translation>
    </message>
    <message>
        <source>Math Quiz</source>
        <translation>Quiz de maths</translation>
    </message>
    <message>
        <source>%1, Math Quiz</source>
        <translation>%1, Quiz de maths</translation>
    </message>
    <message>
        <source>The menu opens in three seconds. A key press now ends the program.</source>
        <translation>Le menu s’ouvre dans trois secondes. Une touche pressée maintenant ferme le programme.</translation>
    </message>
</context>
<context>
    <name>frmTeacherAide</name>
    <message>
        <source>Print Test</source>
        <translation>Imprimer une fiche</translation>
    </message>
    <message>
        <source>This Form is Designed to Aid You in the Creation of a Test.</source>
        <translation>Cette fenêtre vous aide à créer une fiche d’exercices.</translation>
    </message>
    <message>
        <source>Enter Grade Level: (1 - 6):</source>
        <translation>Niveau de classe (1 à 6)&#xa0;:</translation>
    </message>
    <message>
        <source>Seed for Generator to insure originality (1-20):</source>
        <translation>Graine du générateur aléatoire (1 à 20)&#xa0;:</translation>
    </message>
    <message>
        <source>Would you like a copy of the test with answers?</source>
        <translation>Voulez-vous le corrigé, avec les résultats&#xa0;?</translation>
    </message>
    <message>
        <source>Due to the nature of a random generator, it will only perform one or the other</source>
        <translation>À cause du générateur aléatoire, on obtient soit la fiche, soit son corrigé</translation>
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
        <source>Submit</source>
        <extracomment>Prints the worksheet ordered in this window.</extracomment>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Teachers Aide</source>
        <translation>Fiches pour l’enseignant</translation>
    </message>
    <message>
        <source>Please Select A Subject</source>
        <translation>Veuillez choisir une opération</translation>
    </message>
    <message>
        <source>Subject</source>
        <extracomment>The title of the message that asks for the arithmetic subject.</extracomment>
        <translation>Opération</translation>
    </message>
    <message>
        <source>Please Enter A Grade Level</source>
        <translation>Veuillez choisir un niveau de classe</translation>
    </message>
    <message>
        <source>Grade</source>
        <extracomment>The title of the message that asks for the school grade, 1 to 6.</extracomment>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Please enter seed from 1 to 20</source>
        <translation>Veuillez choisir une graine de 1 à 20</translation>
    </message>
    <message>
        <source>Seed</source>
        <extracomment>The title of the message that asks for the worksheet&apos;s number, 1 to 20.</extracomment>
        <translation>Graine</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Enter the Subject: %1: </source>
        <extracomment>%1 is the list of the subjects the list box beside it offers, &quot;Addition, ... or Percents&quot;. The English design ends with a blank.</extracomment>
        <translation>Choisissez l’opération&#xa0;: %1&#xa0;: </translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>closes this window only</comment>
        <extracomment>The button closes this window and goes back to the menu; the program goes on.</extracomment>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>sumtopia: the window cannot be shown: %1; start the program in a desktop session, or make worksheets without a window (sumtopia --help)
</source>
        <translation>sumtopia: la fenêtre ne peut pas être affichée&#xa0;: %1&#xa0;; lancez le programme dans une session de bureau, ou créez des fiches sans fenêtre (sumtopia --help)
</translation>
    </message>
    <message>
        <source>sumtopia: there is no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); start the program in a desktop session, or make worksheets without a window (sumtopia --help)
</source>
        <translation>sumtopia: aucun écran pour afficher la fenêtre (ni DISPLAY ni WAYLAND_DISPLAY n’est défini)&#xa0;; lancez le programme dans une session de bureau, ou créez des fiches sans fenêtre (sumtopia --help)
</translation>
    </message>
</context>
</TS>
