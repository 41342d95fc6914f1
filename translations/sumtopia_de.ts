<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CandidateLabel</name>
    <message>
        <source>answer choice %1 of 4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Delivery</name>
    <message>
        <source>1 job</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 jobs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no reason given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check that the printing service is running, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be written: %2 (while %3). %4 Free some space or choose another place, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file that was there is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file was left behind.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be written: nothing reads from it. Start the program that reads it, or choose a file, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>opening</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>writing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>closing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the path is %1 bytes long, more than the %2 a path may have</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a name in the path is %1 bytes long, more than the %2 a name may have</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a symbolic link that leads round in a loop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a symbolic link to something that does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 cannot be used: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 takes no new files: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be written: %2. Choose another file name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>creating the new file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>flushing to disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>putting the new file in place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Worksheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PDF pages for %1 could not be drawn; nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No printer is set up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> %1 had already been accepted; the other %2 %3 not sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>was</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>were</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not accept the worksheet: %2.%3 Check that the printer accepts jobs, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is paused: the worksheet waits in its queue and prints when the printer is resumed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is paused: the %2 worksheets wait in its queue and print when the printer is resumed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not print the worksheet yet: %2. The worksheet is held in its queue and the print server tries it again later; check the printer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; stopped before the worksheet was printed: %2. The worksheet stays in its queue and prints when the printer is resumed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not print the worksheet: %2. Check the printer, then print the worksheet again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 had been accepted by the printer &quot;%3&quot;; whether they print cannot be told. %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of the printer &quot;%2&quot; still %3 in its queue after %4%5; %6 when the printer gets to %7.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>waits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (the printer says: %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it prints</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>they print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>them</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DrillLayout</name>
    <message>
        <source>Add the two numbers together, then drag the correct answer  to the total box.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subtract the two numbers, then drag the correct answer  to the total box.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiply the two numbers together, then drag the correct answer  to the total box.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Divide the two numbers , then drag the correct answer  to the total box.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Addition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back to Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Division</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>divided by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dividend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>divisor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Percent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What Percent of:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>plus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>equals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer equals</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DrillWindow</name>
    <message>
        <source>Answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer with Alt+1 to Alt+4, or Tab to an answer choice and press Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teacher&apos;s Guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter the Grade Level (1-6).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grade Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome %1!   To The Sumtopia.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CORRECT %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry,Try Again %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Subjects</name>
    <message>
        <source>Do You Want Negative Answers Mixed In?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Answer </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Addition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the following numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subtract the following numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Division</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Divide the following numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiply the following numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Percents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find the percent of the following numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IS WHAT PERCENT OF:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WorksheetCommand</name>
    <message>
        <source>no printer is set up; use --output FILE.pdf or --output -</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>standard output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>output file &apos;%1&apos; cannot be written (%2); allowed: a writable file path or - for standard output</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WorksheetOptions</name>
    <message>
        <source> or </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a whole number from 1 to 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a whole number from 1 to 20</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a whole number from 1 to 100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a whole number of seconds from 0 to 3600</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a PDF file path, or - for standard output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>output path of %1 bytes is too long; allowed: a path of at most %2 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>output path holds a name of %1 bytes; allowed: names of at most %2 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;; allowed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option %1 takes no value, but was given &apos;%2&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option %1 is missing its value; allowed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>value &apos;%1&apos; of %2 holds a control character; allowed: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option %1 is given more than once; allowed: once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option --worksheet is missing; allowed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown subject &apos;%1&apos; for --worksheet; allowed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option --%1 is missing; allowed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is not allowed; allowed: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--negatives is not allowed with &apos;%1&apos;; allowed with %2 only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: sumtopia --worksheet SUBJECT --grade N --seed S [--answers] [--negatives]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>                [--with-key] [--count K] [--output FILE] [--wait-seconds W]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>       sumtopia            (starts the window)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Makes worksheets of twenty problems without opening a window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  --worksheet SUBJECT  %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>                       (also %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  --grade N            grade level, 1 to 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  --seed S             seed, 1 to 20, added to every operand less one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  --answers            the copy with the answers filled in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  --negatives          %1 only: allow negative answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  --with-key           after each sheet, its answer copy with the same problems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  --count K            K sheets in a row, 1 to 100 (default 1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  --output FILE        write a PDF file; - writes plain text to standard output;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>                       without it the sheets go to the default printer, one job each</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  --wait-seconds W     how long to wait for the printer to print the jobs, 0 to 3600</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>                       (default 120); 0 returns once the printer has taken them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  --help               show this help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  --version            show the version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each option is given once, as --name VALUE or --name=VALUE.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The same choices always give the same sheets. A file is replaced only once the new</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one is complete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit status: 0 done (jobs left waiting in a printer&apos;s queue are said on standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>error), 1 printing or writing failed, 2 bad input (nothing written).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Worksheets</name>
    <message>
        <source>NAME: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DATE: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmSelection</name>
    <message>
        <source>Sumtopia:  Choose Your Category Please</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Your First Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Addition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Division</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Percent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Math Application Choices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teacher&apos;s Guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Test</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Licensed for use in classrooms and at home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright © 2026</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Sumtopia Team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: This is a math application for grades 1-6, the weak at heart should not attempt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Math Quiz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, Math Quiz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The menu opens in three seconds. A key press now ends the program.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmTeacherAide</name>
    <message>
        <source>Print Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the Subject: %1,or %2: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Form is Designed to Aid You in the Creation of a Test.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Grade Level: (1 - 6):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seed for Generator to insure originality (1-20):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Would you like a copy of the test with answers?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Due to the nature of a random generator, it will only perform one or the other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Submit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teachers Aide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Select A Subject</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subject</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter A Grade Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter seed from 1 to 20</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The worksheet was not printed. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No printer is set up, so the worksheet can be saved as a PDF file instead</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The worksheet was saved as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The worksheet was not saved. %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
