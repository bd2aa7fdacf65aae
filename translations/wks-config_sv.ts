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
    <message>
        <source>Eject (&amp;E)</source>
        <translation>&amp;Mata ut</translation>
    </message>
    <message>
        <source>Many Cards... (&amp;M)</source>
        <translation>Må&amp;nga kort...</translation>
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
    <name>CardStationDlg</name>
    <message>
        <source>Cameras (&amp;A):</source>
        <translation>&amp;Kameror:</translation>
    </message>
    <message>
        <source>Open List... (&amp;O)</source>
        <translation>Ö&amp;ppna lista...</translation>
    </message>
    <message>
        <source>Add Camera (&amp;D)</source>
        <translation>Lägg &amp;till kamera</translation>
    </message>
    <message>
        <source>Remove Camera (&amp;R)</source>
        <translation>Ta &amp;bort kamera</translation>
    </message>
    <message>
        <source>Write over a settings file already on a card (&amp;W)</source>
        <translation>Skriv &amp;över en inställningsfil som redan finns på minneskortet</translation>
    </message>
    <message>
        <source>Cards:</source>
        <translation>Minneskort:</translation>
    </message>
    <message>
        <source>Start (&amp;S)</source>
        <translation>&amp;Starta</translation>
    </message>
    <message>
        <source>Stop (&amp;T)</source>
        <translation>St&amp;oppa</translation>
    </message>
    <message>
        <source>Close (&amp;L)</source>
        <translation>Stän&amp;g</translation>
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
    <message>
        <source>ffmpeg is not installed, and the game call is converted with it: install the package ffmpeg.</source>
        <translation>ffmpeg är inte installerat, men lockljudet konverteras med det: installera paketet ffmpeg.</translation>
    </message>
    <message>
        <source>the card is read-only</source>
        <translation>kortet är skrivskyddat</translation>
    </message>
    <message>
        <source>the drive is read-only</source>
        <translation>enheten är skrivskyddad</translation>
    </message>
    <message>
        <source>%1: (not usable: no folder)</source>
        <translation>%1: (kan inte användas: ingen mapp)</translation>
    </message>
    <message>
        <source>%1: is %2 (not usable: no folder)</source>
        <translation>%1: är %2 (kan inte användas: ingen mapp)</translation>
    </message>
    <message>
        <source>%1: is %2 (not usable: not enterable)</source>
        <translation>%1: är %2 (kan inte användas: går inte att öppna)</translation>
    </message>
    <message>
        <source>%1: is %2 (not usable: no answer in time)</source>
        <translation>%1: är %2 (kan inte användas: inget svar i tid)</translation>
    </message>
    <message>
        <source>%1: is %2 (%3, %4 free)</source>
        <translation>%1: är %2 (%3, %4 ledigt)</translation>
    </message>
    <message>
        <source>%1: is %2 (%3)</source>
        <translation>%1: är %2 (%3)</translation>
    </message>
    <message>
        <source>%1: is %2 (%3 free)</source>
        <translation>%1: är %2 (%3 ledigt)</translation>
    </message>
    <message>
        <source>%1: is %2</source>
        <translation>%1: är %2</translation>
    </message>
    <message>
        <source>line %1, column &quot;%2&quot;: %3</source>
        <translation>rad %1, kolumn ”%2”: %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>no header row</source>
        <translation>ingen rubrikrad</translation>
    </message>
    <message>
        <source>the column is named twice</source>
        <translation>kolumnen finns två gånger</translation>
    </message>
    <message>
        <source>no key of %1&apos;s settings file, nor a column of a deployments table</source>
        <translation>ingen nyckel i inställningsfilen för %1 och ingen kolumn i en utplaceringstabell</translation>
    </message>
    <message>
        <source>the camera clock is not set per camera</source>
        <translation>kamerans klocka ställs inte per kamera</translation>
    </message>
    <message>
        <source>line 1: no column &quot;cameraID&quot;</source>
        <translation>rad 1: ingen kolumn ”cameraID”</translation>
    </message>
    <message>
        <source>line %1: %2 fields, the header has %3</source>
        <translation>rad %1: %2 fält, rubrikraden har %3</translation>
    </message>
    <message>
        <source>no cameraID</source>
        <translation>inget cameraID</translation>
    </message>
    <message>
        <source>a cameraID holds a line break</source>
        <translation>ett cameraID innehåller en radbrytning</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already on line %2</source>
        <translation>”%1” finns redan på rad %2</translation>
    </message>
    <message>
        <source>the value holds a line break</source>
        <translation>värdet innehåller en radbrytning</translation>
    </message>
    <message>
        <source>a character that the camera&apos;s files cannot hold (Latin-1 only)</source>
        <translation>ett tecken som kamerans filer inte kan innehålla (endast Latin-1)</translation>
    </message>
    <message>
        <source>the list names no camera</source>
        <translation>listan namnger ingen kamera</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>rad %1: %2</translation>
    </message>
    <message>
        <source>cannot read &quot;%1&quot;: %2</source>
        <translation>”%1” kan inte läsas: %2</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>slut på minne</translation>
    </message>
    <message>
        <source>cannot write the report &quot;%1&quot;: %2</source>
        <translation>rapporten ”%1” kan inte skrivas: %2</translation>
    </message>
    <message>
        <source>the report %1: %2</source>
        <translation>rapporten %1: %2</translation>
    </message>
    <message>
        <source>the report &quot;%1&quot; has other columns than this run&apos;s list: give another report</source>
        <translation>rapporten ”%1” har andra kolumner än den här körningens lista: ange en annan rapport</translation>
    </message>
    <message>
        <source>the card is read-only (%1)</source>
        <translation>minneskortet är skrivskyddat (%1)</translation>
    </message>
    <message>
        <source>the card is full (%1)</source>
        <translation>minneskortet är fullt (%1)</translation>
    </message>
    <message>
        <source>the card went away or failed while it was written (%1)</source>
        <translation>minneskortet togs ut eller slutade fungera medan det skrevs (%1)</translation>
    </message>
    <message>
        <source>unknown model &quot;%1&quot;</source>
        <translation>okänd modell ”%1”</translation>
    </message>
    <message>
        <source>cannot write the backup %1: %2</source>
        <translation>säkerhetskopian %1 kan inte skrivas: %2</translation>
    </message>
    <message>
        <source>the game call is converted with ffmpeg, which is not installed: install the package ffmpeg</source>
        <translation>lockljudet konverteras med ffmpeg, som inte är installerat: installera paketet ffmpeg</translation>
    </message>
    <message>
        <source>the game call %1 could not be converted: %2</source>
        <translation>lockljudet %1 kunde inte konverteras: %2</translation>
    </message>
    <message>
        <source>the game call %1 could not be converted: %2 (%3)</source>
        <translation>lockljudet %1 kunde inte konverteras: %2 (%3)</translation>
    </message>
    <message>
        <source>&quot;IMAG0001.JPG&quot; or &quot;VIDE0001.AVI&quot; could not be renamed</source>
        <translation>”IMAG0001.JPG” eller ”VIDE0001.AVI” kunde inte byta namn</translation>
    </message>
    <message>
        <source>the game call read back is not the one written</source>
        <translation>lockljudet som lästes tillbaka är inte det som skrevs</translation>
    </message>
    <message>
        <source>UDisks2 went away: unmount each card before you remove it</source>
        <translation>UDisks2 försvann: avmontera varje minneskort innan du tar bort det</translation>
    </message>
    <message>
        <source>it holds %1 already; it is written over only when the run says so</source>
        <translation>det har redan %1; den skrivs över bara när körningen säger det</translation>
    </message>
    <message>
        <source>it holds the settings file of a %1 (%2)</source>
        <translation>det har inställningsfilen för en %1 (%2)</translation>
    </message>
    <message>
        <source>this card was written for %1 — safe to remove</source>
        <translation>det här minneskortet skrevs för %1 — kan tas bort säkert</translation>
    </message>
    <message>
        <source>this card was written for %1 — unmount it before you remove it</source>
        <translation>det här minneskortet skrevs för %1 — avmontera det innan du tar bort det</translation>
    </message>
    <message>
        <source>card left untouched: %1 — safe to remove</source>
        <translation>minneskortet orört: %1 — kan tas bort säkert</translation>
    </message>
    <message>
        <source>card left untouched: %1 — unmount it before you remove it</source>
        <translation>minneskortet orört: %1 — avmontera det innan du tar bort det</translation>
    </message>
    <message>
        <source>%1 (the report could not be written: %2)</source>
        <translation>%1 (rapporten kunde inte skrivas: %2)</translation>
    </message>
    <message>
        <source>%1 not written: %2 — safe to remove</source>
        <translation>%1 inte skrivet: %2 — kan tas bort säkert</translation>
    </message>
    <message>
        <source>%1 not written: %2 — remove the card and try again</source>
        <translation>%1 inte skrivet: %2 — ta ut minneskortet och försök igen</translation>
    </message>
    <message>
        <source>the camera&apos;s copy %1 could not be written: %2</source>
        <translation>kamerans kopia %1 kunde inte skrivas: %2</translation>
    </message>
    <message>
        <source>the camera&apos;s copy %1 could not be read: %2</source>
        <translation>kamerans kopia %1 kunde inte läsas: %2</translation>
    </message>
    <message>
        <source>the game call: %1</source>
        <translation>lockljudet: %1</translation>
    </message>
    <message>
        <source>the card could not be read back: %1</source>
        <translation>minneskortet kunde inte läsas tillbaka: %1</translation>
    </message>
    <message>
        <source>the card gave back other bytes than were written</source>
        <translation>minneskortet gav tillbaka andra byte än de som skrevs</translation>
    </message>
    <message>
        <source>the camera would not read it: %1</source>
        <translation>kameran skulle inte läsa den: %1</translation>
    </message>
    <message>
        <source>%1 done — safe to remove</source>
        <translation>%1 klart — kan tas bort säkert</translation>
    </message>
    <message>
        <source>%1 done — unmount it before you remove it</source>
        <translation>%1 klart — avmontera det innan du tar bort det</translation>
    </message>
    <message>
        <source>%1 done — unmount it before you remove it (%2)</source>
        <translation>%1 klart — avmontera det innan du tar bort det (%2)</translation>
    </message>
    <message>
        <source>SMTP SSL is 0, 1 or empty, not &quot;%1&quot;</source>
        <translation>SMTP SSL är 0, 1 eller tomt, inte ”%1”</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a network key of %2</source>
        <translation>”%1” är ingen nätverksnyckel för %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a camera key of %2</source>
        <translation>”%1” är ingen kameranyckel för %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; for &quot;%2&quot; is not a number</source>
        <translation>”%1” för ”%2” är inget tal</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a key of %2&apos;s settings file</source>
        <translation>”%1” är ingen nyckel i inställningsfilen för %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 till %2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 eller %2</translation>
    </message>
    <message>
        <source>no file mark: [WKSFileMark] Model is missing</source>
        <translation>ingen filmärkning: [WKSFileMark] Model saknas</translation>
    </message>
    <message>
        <source>file mark &quot;%1&quot; is not %2</source>
        <translation>filmärkningen ”%1” är inte %2</translation>
    </message>
    <message>
        <source>[%1] %2 is missing</source>
        <translation>[%1] %2 saknas</translation>
    </message>
    <message>
        <source>[%1] %2 is longer than %3 characters, the most the program writes</source>
        <translation>[%1] %2 är längre än %3 tecken, det mesta programmet skriver</translation>
    </message>
    <message>
        <source>[%1] %2 &quot;%3&quot; is neither 0 nor 1</source>
        <translation>[%1] %2 ”%3” är varken 0 eller 1</translation>
    </message>
    <message>
        <source>[%1] %2 is longer than %3 characters</source>
        <translation>[%1] %2 är längre än %3 tecken</translation>
    </message>
    <message>
        <source>[%1] %2 &quot;%3&quot; is not a number</source>
        <translation>[%1] %2 ”%3” är inget tal</translation>
    </message>
    <message>
        <source>[%1] %2 %3 is outside %4 to %5</source>
        <translation>[%1] %2 %3 ligger utanför %4 till %5</translation>
    </message>
    <message>
        <source>the camera clock is not a valid date and time</source>
        <translation>kamerans klocka är inget giltigt datum och klockslag</translation>
    </message>
    <message>
        <source>[%1] %2 is not a key of %3</source>
        <translation>[%1] %2 är ingen nyckel för %3</translation>
    </message>
    <message>
        <source>%1 for %2: %4, not %3</source>
        <translation>%1 för %2: %4, inte %3</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nej</translation>
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
    <name>wks::mail</name>
    <message>
        <source>Cancelled during %1.</source>
        <translation>Avbröts under steget %1.</translation>
    </message>
    <message>
        <source>%1 failed: SEND EMAIL SERVER is empty.</source>
        <translation>%1 misslyckades: Utgående e-postserver är tom.</translation>
    </message>
    <message>
        <source>%1 failed: the PORT &quot;%2&quot; is no port number (1 to 65535).</source>
        <translation>%1 misslyckades: porten ”%2” är inget portnummer (1 till 65535).</translation>
    </message>
    <message>
        <source>SEND EMAIL ADDRESS</source>
        <translation>Avsändaradress</translation>
    </message>
    <message>
        <source>Receive Email 1</source>
        <translation>E-postmottagare 1</translation>
    </message>
    <message>
        <source>The e-mail test needs libcurl: %1</source>
        <translation>E-posttestet behöver libcurl: %1</translation>
    </message>
    <message>
        <source>%1 failed: &quot;%2&quot; is no server name: check SEND EMAIL SERVER.</source>
        <translation>%1 misslyckades: ”%2” är inget servernamn: kontrollera Utgående e-postserver.</translation>
    </message>
    <message>
        <source>E-mail test passed</source>
        <translation>E-posttestet lyckades</translation>
    </message>
    <message>
        <source>E-mail test failed</source>
        <translation>E-posttestet misslyckades</translation>
    </message>
    <message>
        <source>&quot;SMTP SSL&quot; (Advanced... on the WAP / Internet screen)</source>
        <translation>”SMTP SSL” (Avancerat… i fönstret WAP-/internetparametrar)</translation>
    </message>
    <message>
        <source> The server said: &quot;%1&quot;</source>
        <translation> Servern svarade: ”%1”</translation>
    </message>
    <message>
        <source>port %1 of %2</source>
        <translation>port %1 på %2</translation>
    </message>
    <message>
        <source>the name service did not answer within %1: is this computer on the Internet?</source>
        <translation>namntjänsten svarade inte inom %1: är datorn ansluten till internet?</translation>
    </message>
    <message>
        <source>the server name &quot;%1&quot; is unknown: check SEND EMAIL SERVER (or this computer is not on the Internet).</source>
        <translation>servernamnet ”%1” är okänt: kontrollera Utgående e-postserver (eller så är datorn inte ansluten till internet).</translation>
    </message>
    <message>
        <source>nothing answered on %1 within %2: check the PORT beside SEND EMAIL SERVER, or a firewall is in the way.</source>
        <translation>inget svarade på %1 inom %2: kontrollera porten bredvid Utgående e-postserver, eller så är en brandvägg i vägen.</translation>
    </message>
    <message>
        <source>nothing listens on %1: check the PORT beside SEND EMAIL SERVER (mail providers take mail on 465 with SSL, or on 587 or 25).</source>
        <translation>inget lyssnar på %1: kontrollera porten bredvid Utgående e-postserver (e-postleverantörer tar emot e-post på 465 med SSL, eller på 587 eller 25).</translation>
    </message>
    <message>
        <source>SMTP SSL is ticked, but the server speaks plain text on port %1 (it said &quot;%2&quot;). Untick %3, or use the server&apos;s SSL port, usually 465.</source>
        <translation>SMTP SSL är markerat, men servern använder okrypterad text på port %1 (den svarade ”%2”). Avmarkera %3, eller använd serverns SSL-port, oftast 465.</translation>
    </message>
    <message>
        <source>%1 took the connection on port %2 but did not start TLS within %3.</source>
        <translation>%1 tog emot anslutningen på port %2 men startade inte TLS inom %3.</translation>
    </message>
    <message>
        <source>the encryption could not be started (%1).</source>
        <translation>krypteringen kunde inte startas (%1).</translation>
    </message>
    <message>
        <source>the server speaks TLS on port %1, but SMTP SSL is not ticked. Tick %2, or use the server&apos;s plain-text port, usually 587 or 25.</source>
        <translation>servern använder TLS på port %1, men SMTP SSL är inte markerat. Markera %2, eller använd serverns okrypterade port, oftast 587 eller 25.</translation>
    </message>
    <message>
        <source>the server refused to talk.%1</source>
        <translation>servern vägrade att kommunicera.%1</translation>
    </message>
    <message>
        <source>%1 took the connection on port %2 but said nothing within %3.</source>
        <translation>%1 tog emot anslutningen på port %2 men sade ingenting inom %3.</translation>
    </message>
    <message>
        <source>the server closed the connection without a greeting (%1).</source>
        <translation>servern stängde anslutningen utan hälsning (%1).</translation>
    </message>
    <message>
        <source>the server wants encryption before the login (it offers STARTTLS), but SMTP SSL is not ticked. The camera must use SSL: tick %1 and use the server&apos;s SSL port, usually 465.%2</source>
        <translation>servern vill ha kryptering före inloggningen (den erbjuder STARTTLS), men SMTP SSL är inte markerat. Kameran måste använda SSL: markera %1 och använd serverns SSL-port, oftast 465.%2</translation>
    </message>
    <message>
        <source>the server did not answer the login within %1.</source>
        <translation>servern svarade inte på inloggningen inom %1.</translation>
    </message>
    <message>
        <source>the server offers no login on port %1: check the PORT (mail providers take logins on 465 with SSL, or on 587).</source>
        <translation>servern erbjuder ingen inloggning på port %1: kontrollera porten (e-postleverantörer tar emot inloggningar på 465 med SSL, eller på 587).</translation>
    </message>
    <message>
        <source>the server offers no way of logging in that the camera knows (%1).</source>
        <translation>servern erbjuder inget inloggningssätt som kameran känner till (%1).</translation>
    </message>
    <message>
        <source>the server refused the address and password. The password is the likely fault (many providers want an app password for devices): check SEND EMAIL PASSWORD, then SEND EMAIL ADDRESS.%1</source>
        <translation>servern avvisade adressen och lösenordet. Troligen är det lösenordet som är fel (många leverantörer kräver ett applösenord för enheter): kontrollera Avsändarens lösenord och sedan Avsändaradress.%1</translation>
    </message>
    <message>
        <source>%1.%2</source>
        <translation>%1.%2</translation>
    </message>
    <message>
        <source>the server did not answer within %1 while taking the test message.</source>
        <translation>servern svarade inte inom %1 när den tog emot testmeddelandet.</translation>
    </message>
    <message>
        <source>the server does not let %1 send.%2</source>
        <translation>servern låter inte %1 skicka.%2</translation>
    </message>
    <message>
        <source>the server refused the recipient %1.%2</source>
        <translation>servern avvisade mottagaren %1.%2</translation>
    </message>
    <message>
        <source>the server did not take the test message.%1</source>
        <translation>servern tog inte emot testmeddelandet.%1</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>it is self-signed</source>
        <translation>det är självsignerat</translation>
    </message>
    <message>
        <source>it has expired</source>
        <translation>det har gått ut</translation>
    </message>
    <message>
        <source>it is not valid yet</source>
        <translation>det är inte giltigt än</translation>
    </message>
    <message>
        <source>it is signed by an authority this computer does not know</source>
        <translation>det är signerat av en utfärdare som datorn inte känner till</translation>
    </message>
    <message>
        <source>this computer&apos;s certificates cannot be read</source>
        <translation>datorns certifikat kan inte läsas</translation>
    </message>
    <message>
        <source>it is made out to another name than %1</source>
        <translation>det är utfärdat för ett annat namn än %1</translation>
    </message>
    <message>
        <source>it is not accepted</source>
        <translation>det godtas inte</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>är tom</translation>
    </message>
    <message>
        <source>holds a control character</source>
        <translation>innehåller ett styrtecken</translation>
    </message>
    <message>
        <source>holds a blank</source>
        <translation>innehåller ett mellanslag</translation>
    </message>
    <message>
        <source>holds &quot;%1&quot;</source>
        <translation>innehåller ”%1”</translation>
    </message>
    <message>
        <source>has no &quot;@&quot;</source>
        <translation>saknar ”@”</translation>
    </message>
    <message>
        <source>holds more than one &quot;@&quot;</source>
        <translation>innehåller mer än ett ”@”</translation>
    </message>
    <message>
        <source>has nothing before its &quot;@&quot;</source>
        <translation>har inget före ”@”</translation>
    </message>
    <message>
        <source>has nothing after its &quot;@&quot;</source>
        <translation>har inget efter ”@”</translation>
    </message>
    <message>
        <source>Name look-up</source>
        <translation>Namnuppslag</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Anslutning</translation>
    </message>
    <message>
        <source>TLS</source>
        <translation>TLS</translation>
    </message>
    <message>
        <source>Greeting</source>
        <translation>Hälsning</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Inloggning</translation>
    </message>
    <message>
        <source>Sending</source>
        <translation>Sändning</translation>
    </message>
    <message>
        <source>%1 is an address, nothing to look up</source>
        <translation>%1 är en adress, inget att slå upp</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation>%1 är %2</translation>
    </message>
    <message>
        <source>%1 answers on port %2</source>
        <translation>%1 svarar på port %2</translation>
    </message>
    <message>
        <source>%1 answers on port %2 (no PORT given: the standard port)</source>
        <translation>%1 svarar på port %2 (ingen port angiven: standardporten)</translation>
    </message>
    <message>
        <source>the connection is encrypted from the first byte</source>
        <translation>anslutningen är krypterad från första byte</translation>
    </message>
    <message>
        <source>the server accepted %1 and its password (%2)</source>
        <translation>servern godtog %1 och lösenordet (%2)</translation>
    </message>
    <message>
        <source>the server accepted %1 and its password</source>
        <translation>servern godtog %1 och lösenordet</translation>
    </message>
    <message>
        <source>the test message to %1 was accepted (%2)</source>
        <translation>testmeddelandet till %1 togs emot (%2)</translation>
    </message>
    <message>
        <source>the test message to %1 was accepted</source>
        <translation>testmeddelandet till %1 togs emot</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the test took longer than %1 in all</source>
        <translation>testet tog sammanlagt längre tid än %1</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 misslyckades: %2</translation>
    </message>
    <message>
        <source>Warning: the server&apos;s certificate cannot be verified: %1 (%2); the password is sent anyway, as asked.</source>
        <translation>Varning: serverns certifikat kan inte verifieras: %1 (%2); lösenordet skickas ändå, som begärt.</translation>
    </message>
    <message>
        <source>Warning: the server&apos;s certificate cannot be verified: %1 (%2).</source>
        <translation>Varning: serverns certifikat kan inte verifieras: %1 (%2).</translation>
    </message>
    <message>
        <source> Besides, the server offers no login on port %1.</source>
        <translation> Dessutom erbjuder servern ingen inloggning på port %1.</translation>
    </message>
    <message>
        <source>%1 not tried: %2</source>
        <translation>%1 provades inte: %2</translation>
    </message>
    <message>
        <source>the password was not sent, because the server&apos;s certificate cannot be verified: whoever answered may not be the mail server. The camera may refuse the certificate too: ask the mail provider which server name and port to use.%1</source>
        <translation>lösenordet skickades inte eftersom serverns certifikat inte kan verifieras: den som svarade är kanske inte e-postservern. Kameran kan också avvisa certifikatet: fråga e-postleverantören vilket servernamn och vilken port som ska användas.%1</translation>
    </message>
    <message>
        <source>Warning: the password crossed the network unencrypted, as it will from the camera.</source>
        <translation>Varning: lösenordet skickades okrypterat över nätet, precis som det kommer att skickas från kameran.</translation>
    </message>
    <message>
        <source>%1 %2; an e-mail address is one plain mailbox, such as name@example.org. The test stopped before connecting.</source>
        <translation>%1 %2; en e-postadress är en enda vanlig brevlåda, till exempel namn@example.org. Testet avbröts före anslutningen.</translation>
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
    <message>
        <source>Eject the card</source>
        <translation>Mata ut minneskortet</translation>
    </message>
    <message>
        <source>%1 is safe to remove.</source>
        <translation>%1 kan tas bort säkert.</translation>
    </message>
    <message>
        <source>%1 is written; unmount it before you remove it.</source>
        <translation>%1 är skrivet; avmontera det innan du tar bort det.</translation>
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
    <name>wks::ui::CWKS_WapParaDlg</name>
    <message>
        <source>Note: port %1 is kept as %2 (a PORT keeps 4 digits), so the test connects to %2.</source>
        <translation>Obs: port %1 sparas som %2 (en port har högst 4 siffror), så testet ansluter till %2.</translation>
    </message>
    <message>
        <source>Send the password to this server anyway?</source>
        <translation>Vill du ändå skicka lösenordet till den här servern?</translation>
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
    <name>wks::ui::CardStationDlg</name>
    <message>
        <source>Many Cards: %1</source>
        <translation>Många kort: %1</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Minneskort</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Läge</translation>
    </message>
    <message>
        <source>Camera List</source>
        <translation>Kameralista</translation>
    </message>
    <message>
        <source>%1 of %2 cameras done</source>
        <translation>%1 av %2 kameror klara</translation>
    </message>
    <message>
        <source>Left alone: it is not a memory card</source>
        <translation>Lämnad orörd: det är inget minneskort</translation>
    </message>
    <message>
        <source>Every camera is done.</source>
        <translation>Alla kameror är klara.</translation>
    </message>
    <message>
        <source>The next card gets %1.</source>
        <translation>Nästa minneskort får %1.</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>skriver</translation>
    </message>
    <message>
        <source>written</source>
        <translation>skrivet</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>kontrollerat</translation>
    </message>
    <message>
        <source>%1 done — safe to remove</source>
        <translation>%1 klart — kan tas bort säkert</translation>
    </message>
    <message>
        <source>%1 done — unmount it before you remove it</source>
        <translation>%1 klart — avmontera det innan du tar bort det</translation>
    </message>
    <message>
        <source>This card was written for %1</source>
        <translation>Det här minneskortet skrevs för %1</translation>
    </message>
    <message>
        <source>Card left untouched: it holds %1 already</source>
        <translation>Minneskortet orört: det har redan %1</translation>
    </message>
    <message>
        <source>Card left untouched: it holds the settings file of a %1</source>
        <translation>Minneskortet orört: det har inställningsfilen för en %1</translation>
    </message>
    <message>
        <source>the card is read-only</source>
        <translation>minneskortet är skrivskyddat</translation>
    </message>
    <message>
        <source>the card is full</source>
        <translation>minneskortet är fullt</translation>
    </message>
    <message>
        <source>the card went away or failed while it was written</source>
        <translation>minneskortet togs ut eller slutade fungera medan det skrevs</translation>
    </message>
    <message>
        <source>%1 not written: %2</source>
        <translation>%1 inte skrivet: %2</translation>
    </message>
    <message>
        <source>%1 — safe to remove</source>
        <translation>%1 — kan tas bort säkert</translation>
    </message>
    <message>
        <source>%1 — unmount it before you remove it</source>
        <translation>%1 — avmontera det innan du tar bort det</translation>
    </message>
    <message>
        <source>UDisks2 went away: unmount each card before you remove it</source>
        <translation>UDisks2 försvann: avmontera varje minneskort innan du tar bort det</translation>
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
<context>
    <name>wks::ui::Picture</name>
    <message>
        <source>Settings for GSM / MMS trail cameras</source>
        <translation>Inställningar för GSM-/MMS-viltkameror</translation>
    </message>
    <message>
        <source>No product chosen</source>
        <translation>Ingen produkt vald</translation>
    </message>
</context>
</TS>
