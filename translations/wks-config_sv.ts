<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Us</source>
        <translation>Om WKS CONFIG</translation>
    </message>
    <message>
        <source>Prepares the settings file of GSM / MMS trail cameras on their SD card:
network and e-mail parameters, recipients, camera parameters and the game call.</source>
        <translation>Förbereder inställningsfilen för GSM-/MMS-viltkameror på deras SD-kort:
nät- och e-postparametrar, mottagare, kamerainställningar och lockljudet.</translation>
    </message>
    <message>
        <source>Free software under the &lt;a href=&quot;https://www.gnu.org/licenses/gpl-3.0.html&quot;&gt;GNU General Public License, version 3 or later&lt;/a&gt; (GPL-3.0-or-later). It comes with no warranty.</source>
        <translation>Fri programvara under &lt;a href=&quot;https://www.gnu.org/licenses/gpl-3.0.html&quot;&gt;GNU General Public License, version 3 eller senare&lt;/a&gt; (GPL-3.0-or-later). Programmet levereras utan garanti.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CWKS_CamParaFX200Dlg</name>
    <message>
        <source>Camera Setting</source>
        <translation>Kamerainställningar</translation>
    </message>
    <message>
        <source>Work Mode</source>
        <translation>Driftläge</translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation>Kameraläge</translation>
    </message>
    <message>
        <source>Photo Burst</source>
        <translation>Bildserie</translation>
    </message>
    <message>
        <source>Time Lapse</source>
        <translation>Intervallfoto</translation>
    </message>
    <message>
        <source>PIR Trigger</source>
        <translation>PIR-utlösare</translation>
    </message>
    <message>
        <source>PIR Interval</source>
        <translation>PIR-intervall</translation>
    </message>
    <message>
        <source>Photo  Size</source>
        <translation>Bildstorlek</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Videolängd</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Videostorlek</translation>
    </message>
    <message>
        <source>Set Clock  :  (SYSTEM TIME)</source>
        <translation>Ställ klockan: (systemtid)</translation>
    </message>
    <message>
        <source> Work Day </source>
        <translation> Arbetsdagar </translation>
    </message>
    <message>
        <source> Select All</source>
        <translation> Markera alla</translation>
    </message>
    <message>
        <source> Sunday</source>
        <translation> Söndag</translation>
    </message>
    <message>
        <source> Monday</source>
        <translation> Måndag</translation>
    </message>
    <message>
        <source> Tuesday</source>
        <translation> Tisdag</translation>
    </message>
    <message>
        <source> Wednesday</source>
        <translation> Onsdag</translation>
    </message>
    <message>
        <source> Thursday</source>
        <translation> Torsdag</translation>
    </message>
    <message>
        <source> Friday</source>
        <translation> Fredag</translation>
    </message>
    <message>
        <source> Saturday</source>
        <translation> Lördag</translation>
    </message>
    <message>
        <source> Send To </source>
        <translation> Skicka till </translation>
    </message>
    <message>
        <source> Work Hour </source>
        <translation> Arbetstid </translation>
    </message>
    <message>
        <source>Work Hour</source>
        <translation>Arbetstid</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Starttid</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Sluttid</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel (&amp;N)</source>
        <translation>&amp;Avbryt</translation>
    </message>
</context>
<context>
    <name>CWKS_CamParaGroup1Dlg</name>
    <message>
        <source>Camera Setting</source>
        <translation>Kamerainställningar</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Språk</translation>
    </message>
    <message>
        <source>Photo Size</source>
        <translation>Bildstorlek</translation>
    </message>
    <message>
        <source>Photo Burst</source>
        <translation>Bildserie</translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation>Kameraläge</translation>
    </message>
    <message>
        <source>PIR Interval</source>
        <translation>PIR-intervall</translation>
    </message>
    <message>
        <source>Time Lapse</source>
        <translation>Intervallfoto</translation>
    </message>
    <message>
        <source>PIR Trigger</source>
        <translation>PIR-utlösare</translation>
    </message>
    <message>
        <source>SMS Control</source>
        <translation>SMS-styrning</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Videostorlek</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Videolängd</translation>
    </message>
    <message>
        <source>Set Clock : (SYSTEM TIME)</source>
        <translation>Ställ klockan: (systemtid)</translation>
    </message>
    <message>
        <source> Work Hour</source>
        <translation> Arbetstid</translation>
    </message>
    <message>
        <source>Work Hour</source>
        <translation>Arbetstid</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Starttid</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Sluttid</translation>
    </message>
    <message>
        <source> Send To </source>
        <translation> Skicka till </translation>
    </message>
    <message>
        <source> Send Mode </source>
        <translation> Sändningsläge </translation>
    </message>
    <message>
        <source>Send Time :</source>
        <translation>Sändningstid:</translation>
    </message>
    <message>
        <source>Max Number :</source>
        <translation>Max antal:</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel (&amp;N)</source>
        <translation>&amp;Avbryt</translation>
    </message>
</context>
<context>
    <name>CWKS_CamParaLN713ZDlg</name>
    <message>
        <source>Camera Setting</source>
        <translation>Kamerainställningar</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Språk</translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation>Kameraläge</translation>
    </message>
    <message>
        <source>Security Mode</source>
        <translation>Säkerhetsläge</translation>
    </message>
    <message>
        <source>Camera Position</source>
        <translation>Kameraposition</translation>
    </message>
    <message>
        <source>Time Lapse</source>
        <translation>Intervallfoto</translation>
    </message>
    <message>
        <source>PIR Trigger</source>
        <translation>PIR-utlösare</translation>
    </message>
    <message>
        <source>PIR Interval</source>
        <translation>PIR-intervall</translation>
    </message>
    <message>
        <source>SMS Control</source>
        <translation>SMS-styrning</translation>
    </message>
    <message>
        <source>Photo Size</source>
        <translation>Bildstorlek</translation>
    </message>
    <message>
        <source>Photo Burst</source>
        <translation>Bildserie</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Videostorlek</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Videolängd</translation>
    </message>
    <message>
        <source>Game Call</source>
        <translation>Lockljud</translation>
    </message>
    <message>
        <source>H:</source>
        <translation>Tim:</translation>
    </message>
    <message>
        <source>M:</source>
        <translation>Min:</translation>
    </message>
    <message>
        <source>Replay Time</source>
        <translation>Uppspelningar</translation>
    </message>
    <message>
        <source>Set Clock  : (SYSTEM TIME)</source>
        <translation>Ställ klockan: (systemtid)</translation>
    </message>
    <message>
        <source>Add Audio</source>
        <translation>Lägg till ljud</translation>
    </message>
    <message>
        <source>Work Hour</source>
        <translation>Arbetstid</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Starttid</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Sluttid</translation>
    </message>
    <message>
        <source> Work Day </source>
        <translation> Arbetsdagar </translation>
    </message>
    <message>
        <source> Select All</source>
        <translation> Markera alla</translation>
    </message>
    <message>
        <source> Sunday</source>
        <translation> Söndag</translation>
    </message>
    <message>
        <source> Monday</source>
        <translation> Måndag</translation>
    </message>
    <message>
        <source> Tuesday</source>
        <translation> Tisdag</translation>
    </message>
    <message>
        <source> Wednesday</source>
        <translation> Onsdag</translation>
    </message>
    <message>
        <source> Thursday</source>
        <translation> Torsdag</translation>
    </message>
    <message>
        <source> Friday</source>
        <translation> Fredag</translation>
    </message>
    <message>
        <source> Saturday</source>
        <translation> Lördag</translation>
    </message>
    <message>
        <source> Send To </source>
        <translation> Skicka till </translation>
    </message>
    <message>
        <source> Send Mode </source>
        <translation> Sändningsläge </translation>
    </message>
    <message>
        <source>Send Time :</source>
        <translation>Sändningstid:</translation>
    </message>
    <message>
        <source>Max Number :</source>
        <translation>Max antal:</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel (&amp;N)</source>
        <translation>&amp;Avbryt</translation>
    </message>
</context>
<context>
    <name>CWKS_CamParaLN714WDlg</name>
    <message>
        <source>Camera Setting</source>
        <translation>Kamerainställningar</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Språk</translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation>Kameraläge</translation>
    </message>
    <message>
        <source>Send To</source>
        <translation>Skicka till</translation>
    </message>
    <message>
        <source>Camera Position</source>
        <translation>Kameraposition</translation>
    </message>
    <message>
        <source>Photo Size</source>
        <translation>Bildstorlek</translation>
    </message>
    <message>
        <source>Photo Burst</source>
        <translation>Bildserie</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Videostorlek</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Videolängd</translation>
    </message>
    <message>
        <source>Game Call</source>
        <translation>Lockljud</translation>
    </message>
    <message>
        <source>H:</source>
        <translation>Tim:</translation>
    </message>
    <message>
        <source>M:</source>
        <translation>Min:</translation>
    </message>
    <message>
        <source>Replay Time</source>
        <translation>Uppspelningar</translation>
    </message>
    <message>
        <source>Set Clock  : (SYSTEM TIME)</source>
        <translation>Ställ klockan: (systemtid)</translation>
    </message>
    <message>
        <source>Add Audio</source>
        <translation>Lägg till ljud</translation>
    </message>
    <message>
        <source> Work Hour</source>
        <translation> Arbetstid</translation>
    </message>
    <message>
        <source>Work Hour</source>
        <translation>Arbetstid</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Starttid</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Sluttid</translation>
    </message>
    <message>
        <source>Time Lapse</source>
        <translation>Intervallfoto</translation>
    </message>
    <message>
        <source>PIR Trigger</source>
        <translation>PIR-utlösare</translation>
    </message>
    <message>
        <source>PIR Interval</source>
        <translation>PIR-intervall</translation>
    </message>
    <message>
        <source>SMS Control</source>
        <translation>SMS-styrning</translation>
    </message>
    <message>
        <source> Send Mode </source>
        <translation> Sändningsläge </translation>
    </message>
    <message>
        <source>Send Time :</source>
        <translation>Sändningstid:</translation>
    </message>
    <message>
        <source>Max Number :</source>
        <translation>Max antal:</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel (&amp;N)</source>
        <translation>&amp;Avbryt</translation>
    </message>
</context>
<context>
    <name>CWKS_MainParaDlg</name>
    <message>
        <source> WAP / Internet Setting </source>
        <translation> WAP-/internetinställningar </translation>
    </message>
    <message>
        <source>Select Country</source>
        <translation>Välj land</translation>
    </message>
    <message>
        <source>Select Operator</source>
        <translation>Välj operatör</translation>
    </message>
    <message>
        <source>Check WAP / Internet Parameters (&amp;L)</source>
        <translation>&amp;Kontrollera WAP-/internetparametrar</translation>
    </message>
    <message>
        <source> Camera Setting </source>
        <translation> Kamerainställningar </translation>
    </message>
    <message>
        <source>Click &quot;Default Setting&quot; button if you don&apos;t know how to modify camera parameters !</source>
        <translation>Klicka på ”Standardvärden” om du inte vet hur kamerainställningarna ska ändras.</translation>
    </message>
    <message>
        <source>Default Setting (&amp;D)</source>
        <translation>Stan&amp;dardvärden</translation>
    </message>
    <message>
        <source>Change Setting (&amp;C)</source>
        <translation>&amp;Ändra inställningar</translation>
    </message>
    <message>
        <source> Customer Information Setting </source>
        <translation> Mottagare </translation>
    </message>
    <message>
        <source>Admin...Number :</source>
        <translation>Administratörsnummer:</translation>
    </message>
    <message>
        <source>Phone Number 2 :</source>
        <translation>Telefonnummer 2:</translation>
    </message>
    <message>
        <source>Phone Number 3 :</source>
        <translation>Telefonnummer 3:</translation>
    </message>
    <message>
        <source>Phone Number 4 :</source>
        <translation>Telefonnummer 4:</translation>
    </message>
    <message>
        <source>Receive Email 1 :</source>
        <translation>E-postmottagare 1:</translation>
    </message>
    <message>
        <source>Receive Email 2 :</source>
        <translation>E-postmottagare 2:</translation>
    </message>
    <message>
        <source>Receive Email 3 :</source>
        <translation>E-postmottagare 3:</translation>
    </message>
    <message>
        <source>Receive Email 4 :</source>
        <translation>E-postmottagare 4:</translation>
    </message>
    <message>
        <source>Attention Please ,The Data Above Will Be Saved In The Following  File: </source>
        <translation>Observera: uppgifterna ovan sparas i följande fil:</translation>
    </message>
    <message>
        <source>SAVE (&amp;Y)</source>
        <translation>&amp;Spara</translation>
    </message>
    <message>
        <source>EXIT (&amp;N)</source>
        <translation>&amp;Avsluta</translation>
    </message>
</context>
<context>
    <name>CWKS_ModSelDlg</name>
    <message>
        <source>WKS CONFIG Sweden Customized</source>
        <translation>WKS CONFIG – anpassad för Sverige</translation>
    </message>
    <message>
        <source>Select Product</source>
        <translation>Välj produkt</translation>
    </message>
    <message>
        <source>Remember My Choice</source>
        <translation>Kom ihåg mitt val</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>EXIT (&amp;N)</source>
        <translation>&amp;Avsluta</translation>
    </message>
</context>
<context>
    <name>CWKS_WapAdvancedDlg</name>
    <message>
        <source>Advanced Setup</source>
        <translation>Avancerade inställningar</translation>
    </message>
    <message>
        <source> SMTP Server </source>
        <translation> SMTP-server </translation>
    </message>
    <message>
        <source>This service requires SSL (&amp;S)</source>
        <translation>Tjänsten kräver &amp;SSL</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel (&amp;N)</source>
        <translation>&amp;Avbryt</translation>
    </message>
</context>
<context>
    <name>CWKS_WapParaDlg</name>
    <message>
        <source>WAP / Internet Paramaters</source>
        <translation>WAP-/internetparametrar</translation>
    </message>
    <message>
        <source>Wap / Internet Parameters</source>
        <translation>WAP-/internetparametrar</translation>
    </message>
    <message>
        <source> WAP Setting</source>
        <translation> WAP-inställningar</translation>
    </message>
    <message>
        <source>MMS URL :</source>
        <translation>MMS-URL:</translation>
    </message>
    <message>
        <source>MMS APN :</source>
        <translation>MMS-APN:</translation>
    </message>
    <message>
        <source>PORT :</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>MMS IP :</source>
        <translation>MMS-IP:</translation>
    </message>
    <message>
        <source>ACCOUNT :</source>
        <translation>Konto:</translation>
    </message>
    <message>
        <source>PASSWORD :</source>
        <translation>Lösenord:</translation>
    </message>
    <message>
        <source>CLEAR PARAMETERS (&amp;C)</source>
        <translation>&amp;Rensa parametrar</translation>
    </message>
    <message>
        <source> Internet Setting </source>
        <translation> Internetinställningar </translation>
    </message>
    <message>
        <source>GPRS APN :</source>
        <translation>GPRS-APN:</translation>
    </message>
    <message>
        <source>GPRS ACCOUNT :</source>
        <translation>GPRS-konto:</translation>
    </message>
    <message>
        <source>GPRS PASSWORD :</source>
        <translation>GPRS-lösenord:</translation>
    </message>
    <message>
        <source>SEND EMAIL SERVER :</source>
        <translation>Utgående e-postserver:</translation>
    </message>
    <message>
        <source>SEND EMAIL ADDRESS :</source>
        <translation>Avsändaradress:</translation>
    </message>
    <message>
        <source>SEND EMAIL PASSWORD :</source>
        <translation>Avsändarens lösenord:</translation>
    </message>
    <message>
        <source>Advanced... (&amp;V)</source>
        <translation>A&amp;vancerat…</translation>
    </message>
    <message>
        <source>Test E-mail (&amp;T)</source>
        <translation>&amp;Testa e-post</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel (&amp;N)</source>
        <translation>&amp;Avbryt</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Delete Directory &quot;C:\WKS_TEMP&quot; failed !</source>
        <translation>Det gick inte att ta bort mappen ”C:\WKS_TEMP”!</translation>
    </message>
    <message>
        <source>You must rename the existed &quot;IMAG0001.JPG&quot; and &quot;VIDE0001.AVI&quot; if you want to save the audio file ,continue ?</source>
        <translation>För att spara ljudfilen måste de befintliga filerna ”IMAG0001.JPG” och ”VIDE0001.AVI” byta namn. Vill du fortsätta?</translation>
    </message>
    <message>
        <source>You have given up saving audio file !</source>
        <translation>Ljudfilen sparas inte.</translation>
    </message>
    <message>
        <source>Failed to rename &quot;IMAG0001.JPG&quot; or &quot;VIDE0001.AVI&quot; !
 You can delete or rename them manually !</source>
        <translation>Det gick inte att byta namn på ”IMAG0001.JPG” eller ”VIDE0001.AVI”!
Du kan ta bort dem eller byta namn på dem manuellt.</translation>
    </message>
    <message>
        <source>OK,audio file have been saved !</source>
        <translation>Ljudfilen har sparats.</translation>
    </message>
    <message>
        <source>Transform Failed.</source>
        <translation>Konverteringen misslyckades.</translation>
    </message>
    <message>
        <source>Failed to delete %1 !</source>
        <translation>Det gick inte att ta bort %1!</translation>
    </message>
    <message>
        <source>Cannot write %1 (%2) !</source>
        <translation>Det går inte att skriva %1 (%2)!</translation>
    </message>
    <message>
        <source>WKS TIPS</source>
        <translation>WKS-tips</translation>
    </message>
    <message>
        <source>WKS Tips</source>
        <translation>WKS-tips</translation>
    </message>
    <message>
        <source>Failed to save all parameters to &quot;%1&quot; !</source>
        <translation>Det gick inte att spara inställningarna i ”%1”!</translation>
    </message>
    <message>
        <source>Error In CWKS_MainParaDlg::%1() !</source>
        <translation>Fel i CWKS_MainParaDlg::%1()!</translation>
    </message>
    <message>
        <source>No disk is valid !</source>
        <translation>Ingen enhet kan användas!</translation>
    </message>
    <message>
        <source>Can&apos;t delete invalid file &quot;%1 &quot;,
Please delete it manually!</source>
        <translation>Det går inte att ta bort den ogiltiga filen ”%1”.
Ta bort den manuellt.</translation>
    </message>
    <message>
        <source>Can&apos;t delete invalid back-up file,
Please delete it manually!</source>
        <translation>Det går inte att ta bort den ogiltiga säkerhetskopian.
Ta bort den manuellt.</translation>
    </message>
    <message>
        <source>Can&apos;t delete &quot;%1&quot;,Please delete it manually!</source>
        <translation>Det går inte att ta bort ”%1”. Ta bort filen manuellt.</translation>
    </message>
    <message>
        <source>Set all camera parameters to default ?</source>
        <translation>Återställ alla kamerainställningar till standardvärden?</translation>
    </message>
    <message>
        <source>Default setings is not applied, no data is modified !</source>
        <translation>Standardvärdena tillämpades inte, inget har ändrats.</translation>
    </message>
    <message>
        <source>OK,All camera parameters have been set to default !</source>
        <translation>Alla kamerainställningar har återställts till standardvärden.</translation>
    </message>
    <message>
        <source>Sava all parameters to &quot;%1&quot; ?</source>
        <translation>Spara alla inställningar i ”%1”?</translation>
    </message>
    <message>
        <source>OK,All parameters have been saved success !</source>
        <translation>Alla inställningar har sparats.</translation>
    </message>
    <message>
        <source>Invalid call for CWKS_ModSelDlg::Mng_RegistryValue() !</source>
        <translation>Ogiltigt anrop av CWKS_ModSelDlg::Mng_RegistryValue()!</translation>
    </message>
    <message>
        <source>Please Select A Product !</source>
        <translation>Välj en produkt!</translation>
    </message>
    <message>
        <source>Error In CWKS_ModSelDlg::Mng_JumpToMain() !
Product list is empty()...</source>
        <translation>Fel i CWKS_ModSelDlg::Mng_JumpToMain()!
Produktlistan är tom.</translation>
    </message>
    <message>
        <source>File is not exist ! 
Whether retain the directory record of audio file last time you added ?</source>
        <translation>Filen finns inte!
Vill du behålla ljudfilen som du lade till senast?</translation>
    </message>
    <message>
        <source>File is not exist !</source>
        <translation>Filen finns inte!</translation>
    </message>
    <message>
        <source>Whether retain the directory record of audio file last time you added ?</source>
        <translation>Vill du behålla ljudfilen som du lade till senast?</translation>
    </message>
    <message>
        <source>Error status in control &quot;WorkDay&quot; !</source>
        <translation>Felaktigt tillstånd i fältet ”Arbetsdagar”!</translation>
    </message>
    <message>
        <source>The status of &quot;Time Lapse&quot; and &quot;PIR Tirgger&quot; can not be &quot;OFF&quot; at the same time !</source>
        <translation>”Intervallfoto” och ”PIR-utlösare” kan inte vara ”OFF” samtidigt!</translation>
    </message>
    <message>
        <source>The status of &quot;PIR Tirgger&quot; and &quot;Time Lapse&quot; can not be &quot;OFF&quot; at the same time !</source>
        <translation>”PIR-utlösare” och ”Intervallfoto” kan inte vara ”OFF” samtidigt!</translation>
    </message>
    <message>
        <source>Save all camera parameters ?</source>
        <translation>Spara alla kamerainställningar?</translation>
    </message>
    <message>
        <source>OK,Camara parameters have been saved success !</source>
        <translation>Kamerainställningarna har sparats.</translation>
    </message>
    <message>
        <source>Error In CWKS_CamParaGroup1Dlg::OnInitDialog() !</source>
        <translation>Fel i CWKS_CamParaGroup1Dlg::OnInitDialog()!</translation>
    </message>
    <message>
        <source>Invalid call for ManageOtherUI()!</source>
        <translation>Ogiltigt anrop av ManageOtherUI()!</translation>
    </message>
    <message>
        <source>Save all WAP/Internet parameters ?</source>
        <translation>Spara alla WAP-/internetparametrar?</translation>
    </message>
    <message>
        <source>OK,WAP/Internet Parameters saved success !</source>
        <translation>WAP-/internetparametrarna har sparats.</translation>
    </message>
    <message>
        <source>Invalid call for CUtil::GetDayForYMonth() !</source>
        <translation>Ogiltigt anrop av CUtil::GetDayForYMonth()!</translation>
    </message>
</context>
<context>
    <name>wks::CameraModel</name>
    <message>
        <source>WKS CONFIG : For %1 Sweden Customized</source>
        <translation>WKS CONFIG: för %1 – anpassad för Sverige</translation>
    </message>
    <message>
        <source>WKS CONFIG : For %1</source>
        <translation>WKS CONFIG: för %1</translation>
    </message>
</context>
<context>
    <name>wks::PlaceholderSender</name>
    <message>
        <source>E-mail from the camera needs your own sender account: set it under Check WAP / Internet Parameters.</source>
        <translation>För att kameran ska kunna skicka e-post behövs ditt eget avsändarkonto: ange det under ”Kontrollera WAP-/internetparametrar”.</translation>
    </message>
</context>
<context>
    <name>wks::ui::AboutBox</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>wks::ui::CWKS_MainParaDlg</name>
    <message>
        <source>Others......</source>
        <translation>Övriga......</translation>
    </message>
    <message>
        <source>Admin Number</source>
        <translation>Administratörsnummer</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>Inställningsfil</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>Om WKS CONFIG</translation>
    </message>
    <message>
        <source>About Us (F1)</source>
        <translation>Om WKS CONFIG (F1)</translation>
    </message>
</context>
<context>
    <name>wks::ui::CWKS_ModSelDlg</name>
    <message>
        <source>Product picture</source>
        <translation>Produktbild</translation>
    </message>
    <message>
        <source>No product chosen</source>
        <translation>Ingen produkt vald</translation>
    </message>
</context>
<context>
    <name>wks::ui::CameraScreen</name>
    <message>
        <source>You can click the left button to add audio file if GameCall is ON !</source>
        <translation>Lockljud på ON: lägg till en ljudfil med knappen till vänster</translation>
    </message>
    <message>
        <source>Game Call hour</source>
        <translation>Lockljud, timme</translation>
    </message>
    <message>
        <source>Game Call minute</source>
        <translation>Lockljud, minut</translation>
    </message>
    <message>
        <source>Start Time hour</source>
        <translation>Starttid, timme</translation>
    </message>
    <message>
        <source>Start Time minute</source>
        <translation>Starttid, minut</translation>
    </message>
    <message>
        <source>Stop Time hour</source>
        <translation>Sluttid, timme</translation>
    </message>
    <message>
        <source>Stop Time minute</source>
        <translation>Sluttid, minut</translation>
    </message>
    <message>
        <source>Send Time hour</source>
        <translation>Sändningstid, timme</translation>
    </message>
    <message>
        <source>Send Time minute</source>
        <translation>Sändningstid, minut</translation>
    </message>
    <message>
        <source>Audio file</source>
        <translation>Ljudfil</translation>
    </message>
    <message>
        <source>Clock date</source>
        <translation>Kamerans datum</translation>
    </message>
    <message>
        <source>Clock time</source>
        <translation>Kamerans tid</translation>
    </message>
</context>
<context>
    <name>wks::ui::ConversionProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Converting the game call…</source>
        <translation>Konverterar lockljudet…</translation>
    </message>
</context>
<context>
    <name>wks::ui::FileFilter</name>
    <message>
        <source>Audio File(*.mp3,*.wav,*.aac)</source>
        <translation>Ljudfil (*.mp3, *.wav, *.aac)</translation>
    </message>
</context>
<context>
    <name>wks::ui::Latin1Field</name>
    <message>
        <source>The camera accepts only the digits 0 to 9 here.</source>
        <translation>Kameran tar bara emot siffrorna 0 till 9 här.</translation>
    </message>
    <message>
        <source>The camera accepts only Latin-1 characters: A to Z, a to z, 0 to 9, signs and Western European letters such as é, ü, ß.</source>
        <translation>Kameran tar bara emot Latin-1-tecken: A till Z, a till z, 0 till 9, skiljetecken och västeuropeiska bokstäver som é, ü, ß.</translation>
    </message>
</context>
<context>
    <name>wks::ui::MailTestRun</name>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Testing the e-mail account…</source>
        <translation>Testar e-postkontot…</translation>
    </message>
</context>
</TS>
