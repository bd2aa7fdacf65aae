<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Us</source>
        <translation>Tietoja WKS CONFIGista</translation>
    </message>
    <message>
        <source>Prepares the settings file of GSM / MMS trail cameras on their SD card:
network and e-mail parameters, recipients, camera parameters and the game call.</source>
        <translation>Valmistelee GSM-/MMS-riistakameroiden asetustiedoston niiden SD-kortille:
verkko- ja sähköpostiasetukset, vastaanottajat, kameran asetukset ja houkutusäänen.</translation>
    </message>
    <message>
        <source>Free software under the &lt;a href=&quot;https://www.gnu.org/licenses/gpl-3.0.html&quot;&gt;GNU General Public License, version 3 or later&lt;/a&gt; (GPL-3.0-or-later). It comes with no warranty.</source>
        <translation>Vapaa ohjelmisto: &lt;a href=&quot;https://www.gnu.org/licenses/gpl-3.0.html&quot;&gt;GNU General Public License, versio 3 tai uudempi&lt;/a&gt; (GPL-3.0-or-later). Ohjelmalla ei ole takuuta.</translation>
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
        <translation>Kameran asetukset</translation>
    </message>
    <message>
        <source>Work Mode</source>
        <translation>Toimintatila</translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation>Kameratila</translation>
    </message>
    <message>
        <source>Photo Burst</source>
        <translation>Sarjakuvaus</translation>
    </message>
    <message>
        <source>Time Lapse</source>
        <translation>Ajastettu kuvaus</translation>
    </message>
    <message>
        <source>PIR Trigger</source>
        <translation>PIR-laukaisu</translation>
    </message>
    <message>
        <source>PIR Interval</source>
        <translation>PIR-väli</translation>
    </message>
    <message>
        <source>Photo  Size</source>
        <translation>Kuvakoko</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Videon pituus</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Videon koko</translation>
    </message>
    <message>
        <source>Set Clock  :  (SYSTEM TIME)</source>
        <translation>Aseta kello: (järjestelmän aika)</translation>
    </message>
    <message>
        <source> Work Day </source>
        <translation> Toimintapäivät </translation>
    </message>
    <message>
        <source> Select All</source>
        <translation> Valitse kaikki</translation>
    </message>
    <message>
        <source> Sunday</source>
        <translation> Sunnuntai</translation>
    </message>
    <message>
        <source> Monday</source>
        <translation> Maanantai</translation>
    </message>
    <message>
        <source> Tuesday</source>
        <translation> Tiistai</translation>
    </message>
    <message>
        <source> Wednesday</source>
        <translation> Keskiviikko</translation>
    </message>
    <message>
        <source> Thursday</source>
        <translation> Torstai</translation>
    </message>
    <message>
        <source> Friday</source>
        <translation> Perjantai</translation>
    </message>
    <message>
        <source> Saturday</source>
        <translation> Lauantai</translation>
    </message>
    <message>
        <source> Send To </source>
        <translation> Lähetyskohde </translation>
    </message>
    <message>
        <source> Work Hour </source>
        <translation> Toiminta-aika </translation>
    </message>
    <message>
        <source>Work Hour</source>
        <translation>Toiminta-aika</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Alkuaika</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Loppuaika</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel (&amp;N)</source>
        <translation>&amp;Peru</translation>
    </message>
</context>
<context>
    <name>CWKS_CamParaGroup1Dlg</name>
    <message>
        <source>Camera Setting</source>
        <translation>Kameran asetukset</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Kieli</translation>
    </message>
    <message>
        <source>Photo Size</source>
        <translation>Kuvakoko</translation>
    </message>
    <message>
        <source>Photo Burst</source>
        <translation>Sarjakuvaus</translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation>Kameratila</translation>
    </message>
    <message>
        <source>PIR Interval</source>
        <translation>PIR-väli</translation>
    </message>
    <message>
        <source>Time Lapse</source>
        <translation>Ajastettu kuvaus</translation>
    </message>
    <message>
        <source>PIR Trigger</source>
        <translation>PIR-laukaisu</translation>
    </message>
    <message>
        <source>SMS Control</source>
        <translation>SMS-ohjaus</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Videon koko</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Videon pituus</translation>
    </message>
    <message>
        <source>Set Clock : (SYSTEM TIME)</source>
        <translation>Aseta kello: (järjestelmän aika)</translation>
    </message>
    <message>
        <source> Work Hour</source>
        <translation> Toiminta-aika</translation>
    </message>
    <message>
        <source>Work Hour</source>
        <translation>Toiminta-aika</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Alkuaika</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Loppuaika</translation>
    </message>
    <message>
        <source> Send To </source>
        <translation> Lähetyskohde </translation>
    </message>
    <message>
        <source> Send Mode </source>
        <translation> Lähetystila </translation>
    </message>
    <message>
        <source>Send Time :</source>
        <translation>Lähetysaika:</translation>
    </message>
    <message>
        <source>Max Number :</source>
        <translation>Enimmäismäärä:</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel (&amp;N)</source>
        <translation>&amp;Peru</translation>
    </message>
</context>
<context>
    <name>CWKS_CamParaLN713ZDlg</name>
    <message>
        <source>Camera Setting</source>
        <translation>Kameran asetukset</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Kieli</translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation>Kameratila</translation>
    </message>
    <message>
        <source>Security Mode</source>
        <translation>Turvatila</translation>
    </message>
    <message>
        <source>Camera Position</source>
        <translation>Kameran sijainti</translation>
    </message>
    <message>
        <source>Time Lapse</source>
        <translation>Ajastettu kuvaus</translation>
    </message>
    <message>
        <source>PIR Trigger</source>
        <translation>PIR-laukaisu</translation>
    </message>
    <message>
        <source>PIR Interval</source>
        <translation>PIR-väli</translation>
    </message>
    <message>
        <source>SMS Control</source>
        <translation>SMS-ohjaus</translation>
    </message>
    <message>
        <source>Photo Size</source>
        <translation>Kuvakoko</translation>
    </message>
    <message>
        <source>Photo Burst</source>
        <translation>Sarjakuvaus</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Videon koko</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Videon pituus</translation>
    </message>
    <message>
        <source>Game Call</source>
        <translation>Houkutusääni</translation>
    </message>
    <message>
        <source>H:</source>
        <translation>h:</translation>
    </message>
    <message>
        <source>M:</source>
        <translation>min:</translation>
    </message>
    <message>
        <source>Replay Time</source>
        <translation>Toistokerrat</translation>
    </message>
    <message>
        <source>Set Clock  : (SYSTEM TIME)</source>
        <translation>Aseta kello: (järjestelmän aika)</translation>
    </message>
    <message>
        <source>Add Audio</source>
        <translation>Lisää ääni</translation>
    </message>
    <message>
        <source>Work Hour</source>
        <translation>Toiminta-aika</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Alkuaika</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Loppuaika</translation>
    </message>
    <message>
        <source> Work Day </source>
        <translation> Toimintapäivät </translation>
    </message>
    <message>
        <source> Select All</source>
        <translation> Valitse kaikki</translation>
    </message>
    <message>
        <source> Sunday</source>
        <translation> Sunnuntai</translation>
    </message>
    <message>
        <source> Monday</source>
        <translation> Maanantai</translation>
    </message>
    <message>
        <source> Tuesday</source>
        <translation> Tiistai</translation>
    </message>
    <message>
        <source> Wednesday</source>
        <translation> Keskiviikko</translation>
    </message>
    <message>
        <source> Thursday</source>
        <translation> Torstai</translation>
    </message>
    <message>
        <source> Friday</source>
        <translation> Perjantai</translation>
    </message>
    <message>
        <source> Saturday</source>
        <translation> Lauantai</translation>
    </message>
    <message>
        <source> Send To </source>
        <translation> Lähetyskohde </translation>
    </message>
    <message>
        <source> Send Mode </source>
        <translation> Lähetystila </translation>
    </message>
    <message>
        <source>Send Time :</source>
        <translation>Lähetysaika:</translation>
    </message>
    <message>
        <source>Max Number :</source>
        <translation>Enimmäismäärä:</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel (&amp;N)</source>
        <translation>&amp;Peru</translation>
    </message>
</context>
<context>
    <name>CWKS_CamParaLN714WDlg</name>
    <message>
        <source>Camera Setting</source>
        <translation>Kameran asetukset</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Kieli</translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation>Kameratila</translation>
    </message>
    <message>
        <source>Send To</source>
        <translation>Lähetyskohde</translation>
    </message>
    <message>
        <source>Camera Position</source>
        <translation>Kameran sijainti</translation>
    </message>
    <message>
        <source>Photo Size</source>
        <translation>Kuvakoko</translation>
    </message>
    <message>
        <source>Photo Burst</source>
        <translation>Sarjakuvaus</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Videon koko</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Videon pituus</translation>
    </message>
    <message>
        <source>Game Call</source>
        <translation>Houkutusääni</translation>
    </message>
    <message>
        <source>H:</source>
        <translation>h:</translation>
    </message>
    <message>
        <source>M:</source>
        <translation>min:</translation>
    </message>
    <message>
        <source>Replay Time</source>
        <translation>Toistokerrat</translation>
    </message>
    <message>
        <source>Set Clock  : (SYSTEM TIME)</source>
        <translation>Aseta kello: (järjestelmän aika)</translation>
    </message>
    <message>
        <source>Add Audio</source>
        <translation>Lisää ääni</translation>
    </message>
    <message>
        <source> Work Hour</source>
        <translation> Toiminta-aika</translation>
    </message>
    <message>
        <source>Work Hour</source>
        <translation>Toiminta-aika</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Alkuaika</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Loppuaika</translation>
    </message>
    <message>
        <source>Time Lapse</source>
        <translation>Ajastettu kuvaus</translation>
    </message>
    <message>
        <source>PIR Trigger</source>
        <translation>PIR-laukaisu</translation>
    </message>
    <message>
        <source>PIR Interval</source>
        <translation>PIR-väli</translation>
    </message>
    <message>
        <source>SMS Control</source>
        <translation>SMS-ohjaus</translation>
    </message>
    <message>
        <source> Send Mode </source>
        <translation> Lähetystila </translation>
    </message>
    <message>
        <source>Send Time :</source>
        <translation>Lähetysaika:</translation>
    </message>
    <message>
        <source>Max Number :</source>
        <translation>Enimmäismäärä:</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel (&amp;N)</source>
        <translation>&amp;Peru</translation>
    </message>
</context>
<context>
    <name>CWKS_MainParaDlg</name>
    <message>
        <source> WAP / Internet Setting </source>
        <translation> WAP-/internetasetukset </translation>
    </message>
    <message>
        <source>Select Country</source>
        <translation>Valitse maa</translation>
    </message>
    <message>
        <source>Select Operator</source>
        <translation>Valitse operaattori</translation>
    </message>
    <message>
        <source>Check WAP / Internet Parameters (&amp;L)</source>
        <translation>Tar&amp;kista WAP-/internetparametrit</translation>
    </message>
    <message>
        <source> Camera Setting </source>
        <translation> Kameran asetukset </translation>
    </message>
    <message>
        <source>Click &quot;Default Setting&quot; button if you don&apos;t know how to modify camera parameters !</source>
        <translation>Napsauta ”Oletusarvot”, jos et tiedä, miten kameran asetuksia muutetaan.</translation>
    </message>
    <message>
        <source>Default Setting (&amp;D)</source>
        <translation>&amp;Oletusarvot</translation>
    </message>
    <message>
        <source>Change Setting (&amp;C)</source>
        <translation>&amp;Muuta asetuksia</translation>
    </message>
    <message>
        <source> Customer Information Setting </source>
        <translation> Vastaanottajat </translation>
    </message>
    <message>
        <source>Admin...Number :</source>
        <translation>Ylläpitäjän numero:</translation>
    </message>
    <message>
        <source>Phone Number 2 :</source>
        <translation>Puhelinnumero 2:</translation>
    </message>
    <message>
        <source>Phone Number 3 :</source>
        <translation>Puhelinnumero 3:</translation>
    </message>
    <message>
        <source>Phone Number 4 :</source>
        <translation>Puhelinnumero 4:</translation>
    </message>
    <message>
        <source>Receive Email 1 :</source>
        <translation>Vastaanottajan sähköposti 1:</translation>
    </message>
    <message>
        <source>Receive Email 2 :</source>
        <translation>Vastaanottajan sähköposti 2:</translation>
    </message>
    <message>
        <source>Receive Email 3 :</source>
        <translation>Vastaanottajan sähköposti 3:</translation>
    </message>
    <message>
        <source>Receive Email 4 :</source>
        <translation>Vastaanottajan sähköposti 4:</translation>
    </message>
    <message>
        <source>Attention Please ,The Data Above Will Be Saved In The Following  File: </source>
        <translation>Huomio: yllä olevat tiedot tallennetaan seuraavaan tiedostoon:</translation>
    </message>
    <message>
        <source>SAVE (&amp;Y)</source>
        <translation>&amp;Tallenna</translation>
    </message>
    <message>
        <source>EXIT (&amp;N)</source>
        <translation>&amp;Lopeta</translation>
    </message>
    <message>
        <source>Eject (&amp;E)</source>
        <translation>&amp;Poista asemasta</translation>
    </message>
    <message>
        <source>Many Cards... (&amp;M)</source>
        <translation>Mo&amp;nta korttia...</translation>
    </message>
</context>
<context>
    <name>CWKS_ModSelDlg</name>
    <message>
        <source>WKS CONFIG Sweden Customized</source>
        <translation>WKS CONFIG – Ruotsin versio</translation>
    </message>
    <message>
        <source>Select Product</source>
        <translation>Valitse tuote</translation>
    </message>
    <message>
        <source>Remember My Choice</source>
        <translation>Muista valintani</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>EXIT (&amp;N)</source>
        <translation>&amp;Lopeta</translation>
    </message>
</context>
<context>
    <name>CWKS_WapAdvancedDlg</name>
    <message>
        <source>Advanced Setup</source>
        <translation>Lisäasetukset</translation>
    </message>
    <message>
        <source> SMTP Server </source>
        <translation> SMTP-palvelin </translation>
    </message>
    <message>
        <source>This service requires SSL (&amp;S)</source>
        <translation>Palvelu vaatii &amp;SSL-yhteyden</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel (&amp;N)</source>
        <translation>&amp;Peru</translation>
    </message>
</context>
<context>
    <name>CWKS_WapParaDlg</name>
    <message>
        <source>WAP / Internet Paramaters</source>
        <translation>WAP-/internetparametrit</translation>
    </message>
    <message>
        <source>Wap / Internet Parameters</source>
        <translation>WAP-/internetparametrit</translation>
    </message>
    <message>
        <source> WAP Setting</source>
        <translation> WAP-asetukset</translation>
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
        <translation>Portti:</translation>
    </message>
    <message>
        <source>MMS IP :</source>
        <translation>MMS-IP:</translation>
    </message>
    <message>
        <source>ACCOUNT :</source>
        <translation>Tili:</translation>
    </message>
    <message>
        <source>PASSWORD :</source>
        <translation>Salasana:</translation>
    </message>
    <message>
        <source>CLEAR PARAMETERS (&amp;C)</source>
        <translation>&amp;Tyhjennä parametrit</translation>
    </message>
    <message>
        <source> Internet Setting </source>
        <translation> Internetasetukset </translation>
    </message>
    <message>
        <source>GPRS APN :</source>
        <translation>GPRS-APN:</translation>
    </message>
    <message>
        <source>GPRS ACCOUNT :</source>
        <translation>GPRS-tili:</translation>
    </message>
    <message>
        <source>GPRS PASSWORD :</source>
        <translation>GPRS-salasana:</translation>
    </message>
    <message>
        <source>SEND EMAIL SERVER :</source>
        <translation>Lähtevän postin palvelin:</translation>
    </message>
    <message>
        <source>SEND EMAIL ADDRESS :</source>
        <translation>Lähettäjän osoite:</translation>
    </message>
    <message>
        <source>SEND EMAIL PASSWORD :</source>
        <translation>Lähettäjän salasana:</translation>
    </message>
    <message>
        <source>Advanced... (&amp;V)</source>
        <translation>&amp;Lisäasetukset…</translation>
    </message>
    <message>
        <source>Test E-mail (&amp;T)</source>
        <translation>Testaa &amp;sähköposti</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel (&amp;N)</source>
        <translation>&amp;Peru</translation>
    </message>
</context>
<context>
    <name>CardStationDlg</name>
    <message>
        <source>Cameras (&amp;A):</source>
        <translation>Ka&amp;merat:</translation>
    </message>
    <message>
        <source>Open List... (&amp;O)</source>
        <translation>&amp;Avaa luettelo...</translation>
    </message>
    <message>
        <source>Add Camera (&amp;D)</source>
        <translation>&amp;Lisää kamera</translation>
    </message>
    <message>
        <source>Remove Camera (&amp;R)</source>
        <translation>&amp;Poista kamera</translation>
    </message>
    <message>
        <source>Write over a settings file already on a card (&amp;W)</source>
        <translation>Kirjoita &amp;yli kortilla jo oleva asetustiedosto</translation>
    </message>
    <message>
        <source>Cards:</source>
        <translation>Muistikortit:</translation>
    </message>
    <message>
        <source>Start (&amp;S)</source>
        <translation>&amp;Käynnistä</translation>
    </message>
    <message>
        <source>Stop (&amp;T)</source>
        <translation>Py&amp;säytä</translation>
    </message>
    <message>
        <source>Close (&amp;L)</source>
        <translation>S&amp;ulje</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Delete Directory &quot;C:\WKS_TEMP&quot; failed !</source>
        <translation>Kansion ”C:\WKS_TEMP” poistaminen epäonnistui!</translation>
    </message>
    <message>
        <source>You must rename the existed &quot;IMAG0001.JPG&quot; and &quot;VIDE0001.AVI&quot; if you want to save the audio file ,continue ?</source>
        <translation>Äänitiedoston tallentamiseksi olemassa olevat tiedostot ”IMAG0001.JPG” ja ”VIDE0001.AVI” on nimettävä uudelleen. Jatketaanko?</translation>
    </message>
    <message>
        <source>You have given up saving audio file !</source>
        <translation>Äänitiedostoa ei tallenneta.</translation>
    </message>
    <message>
        <source>Failed to rename &quot;IMAG0001.JPG&quot; or &quot;VIDE0001.AVI&quot; !
 You can delete or rename them manually !</source>
        <translation>Tiedoston ”IMAG0001.JPG” tai ”VIDE0001.AVI” nimeäminen uudelleen epäonnistui!
Voit poistaa ne tai nimetä ne uudelleen käsin.</translation>
    </message>
    <message>
        <source>OK,audio file have been saved !</source>
        <translation>Äänitiedosto on tallennettu.</translation>
    </message>
    <message>
        <source>Transform Failed.</source>
        <translation>Muuntaminen epäonnistui.</translation>
    </message>
    <message>
        <source>Failed to delete %1 !</source>
        <translation>Tiedoston %1 poistaminen epäonnistui!</translation>
    </message>
    <message>
        <source>Cannot write %1 (%2) !</source>
        <translation>Tiedostoa %1 ei voi kirjoittaa (%2)!</translation>
    </message>
    <message>
        <source>WKS TIPS</source>
        <translation>WKS-vihje</translation>
    </message>
    <message>
        <source>WKS Tips</source>
        <translation>WKS-vihje</translation>
    </message>
    <message>
        <source>Failed to save all parameters to &quot;%1&quot; !</source>
        <translation>Asetusten tallentaminen tiedostoon ”%1” epäonnistui!</translation>
    </message>
    <message>
        <source>Error In CWKS_MainParaDlg::%1() !</source>
        <translation>Virhe kohdassa CWKS_MainParaDlg::%1()!</translation>
    </message>
    <message>
        <source>No disk is valid !</source>
        <translation>Yhtään käyttökelpoista asemaa ei ole!</translation>
    </message>
    <message>
        <source>Can&apos;t delete invalid file &quot;%1 &quot;,
Please delete it manually!</source>
        <translation>Virheellistä tiedostoa ”%1” ei voi poistaa.
Poista se käsin.</translation>
    </message>
    <message>
        <source>Can&apos;t delete invalid back-up file,
Please delete it manually!</source>
        <translation>Virheellistä varmuuskopiota ei voi poistaa.
Poista se käsin.</translation>
    </message>
    <message>
        <source>Can&apos;t delete &quot;%1&quot;,Please delete it manually!</source>
        <translation>Tiedostoa ”%1” ei voi poistaa. Poista se käsin.</translation>
    </message>
    <message>
        <source>Set all camera parameters to default ?</source>
        <translation>Palautetaanko kaikki kameran asetukset oletusarvoihin?</translation>
    </message>
    <message>
        <source>Default setings is not applied, no data is modified !</source>
        <translation>Oletusarvoja ei otettu käyttöön, mitään ei muutettu.</translation>
    </message>
    <message>
        <source>OK,All camera parameters have been set to default !</source>
        <translation>Kaikki kameran asetukset on palautettu oletusarvoihin.</translation>
    </message>
    <message>
        <source>Sava all parameters to &quot;%1&quot; ?</source>
        <translation>Tallennetaanko kaikki asetukset tiedostoon ”%1”?</translation>
    </message>
    <message>
        <source>OK,All parameters have been saved success !</source>
        <translation>Kaikki asetukset on tallennettu.</translation>
    </message>
    <message>
        <source>Invalid call for CWKS_ModSelDlg::Mng_RegistryValue() !</source>
        <translation>Virheellinen kutsu: CWKS_ModSelDlg::Mng_RegistryValue()!</translation>
    </message>
    <message>
        <source>Please Select A Product !</source>
        <translation>Valitse tuote!</translation>
    </message>
    <message>
        <source>Error In CWKS_ModSelDlg::Mng_JumpToMain() !
Product list is empty()...</source>
        <translation>Virhe kohdassa CWKS_ModSelDlg::Mng_JumpToMain()!
Tuoteluettelo on tyhjä.</translation>
    </message>
    <message>
        <source>File is not exist ! 
Whether retain the directory record of audio file last time you added ?</source>
        <translation>Tiedostoa ei ole!
Säilytetäänkö viimeksi lisätty äänitiedosto?</translation>
    </message>
    <message>
        <source>File is not exist !</source>
        <translation>Tiedostoa ei ole!</translation>
    </message>
    <message>
        <source>Whether retain the directory record of audio file last time you added ?</source>
        <translation>Säilytetäänkö viimeksi lisätty äänitiedosto?</translation>
    </message>
    <message>
        <source>Error status in control &quot;WorkDay&quot; !</source>
        <translation>Virheellinen tila kentässä ”Toimintapäivät”!</translation>
    </message>
    <message>
        <source>The status of &quot;Time Lapse&quot; and &quot;PIR Tirgger&quot; can not be &quot;OFF&quot; at the same time !</source>
        <translation>”Ajastettu kuvaus” ja ”PIR-laukaisu” eivät voi olla yhtä aikaa ”OFF”!</translation>
    </message>
    <message>
        <source>The status of &quot;PIR Tirgger&quot; and &quot;Time Lapse&quot; can not be &quot;OFF&quot; at the same time !</source>
        <translation>”PIR-laukaisu” ja ”Ajastettu kuvaus” eivät voi olla yhtä aikaa ”OFF”!</translation>
    </message>
    <message>
        <source>Save all camera parameters ?</source>
        <translation>Tallennetaanko kaikki kameran asetukset?</translation>
    </message>
    <message>
        <source>OK,Camara parameters have been saved success !</source>
        <translation>Kameran asetukset on tallennettu.</translation>
    </message>
    <message>
        <source>Error In CWKS_CamParaGroup1Dlg::OnInitDialog() !</source>
        <translation>Virhe kohdassa CWKS_CamParaGroup1Dlg::OnInitDialog()!</translation>
    </message>
    <message>
        <source>Invalid call for ManageOtherUI()!</source>
        <translation>Virheellinen kutsu: ManageOtherUI()!</translation>
    </message>
    <message>
        <source>Save all WAP/Internet parameters ?</source>
        <translation>Tallennetaanko kaikki WAP-/internetparametrit?</translation>
    </message>
    <message>
        <source>OK,WAP/Internet Parameters saved success !</source>
        <translation>WAP-/internetparametrit on tallennettu.</translation>
    </message>
    <message>
        <source>Invalid call for CUtil::GetDayForYMonth() !</source>
        <translation>Virheellinen kutsu: CUtil::GetDayForYMonth()!</translation>
    </message>
    <message>
        <source>ffmpeg is not installed, and the game call is converted with it: install the package ffmpeg.</source>
        <translation>ffmpeg ei ole asennettuna, mutta houkutusääni muunnetaan sillä: asenna ffmpeg-paketti.</translation>
    </message>
    <message>
        <source>the card is read-only</source>
        <translation>kortti on kirjoitussuojattu</translation>
    </message>
    <message>
        <source>the drive is read-only</source>
        <translation>asema on kirjoitussuojattu</translation>
    </message>
    <message>
        <source>%1: (not usable: no folder)</source>
        <translation>%1: (ei käytettävissä: ei kansiota)</translation>
    </message>
    <message>
        <source>%1: is %2 (not usable: no folder)</source>
        <translation>%1: on %2 (ei käytettävissä: ei kansiota)</translation>
    </message>
    <message>
        <source>%1: is %2 (not usable: not enterable)</source>
        <translation>%1: on %2 (ei käytettävissä: ei avattavissa)</translation>
    </message>
    <message>
        <source>%1: is %2 (not usable: no answer in time)</source>
        <translation>%1: on %2 (ei käytettävissä: ei vastausta ajoissa)</translation>
    </message>
    <message>
        <source>%1: is %2 (%3, %4 free)</source>
        <translation>%1: on %2 (%3, %4 vapaana)</translation>
    </message>
    <message>
        <source>%1: is %2 (%3)</source>
        <translation>%1: on %2 (%3)</translation>
    </message>
    <message>
        <source>%1: is %2 (%3 free)</source>
        <translation>%1: on %2 (%3 vapaana)</translation>
    </message>
    <message>
        <source>%1: is %2</source>
        <translation>%1: on %2</translation>
    </message>
    <message>
        <source>line %1, column &quot;%2&quot;: %3</source>
        <translation>rivi %1, sarake ”%2”: %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>no header row</source>
        <translation>ei otsikkoriviä</translation>
    </message>
    <message>
        <source>the column is named twice</source>
        <translation>sarake on nimetty kahdesti</translation>
    </message>
    <message>
        <source>no key of %1&apos;s settings file, nor a column of a deployments table</source>
        <translation>ei mallin %1 asetustiedoston avain eikä käyttöönottotaulukon sarake</translation>
    </message>
    <message>
        <source>the camera clock is not set per camera</source>
        <translation>kameran kelloa ei aseteta kamerakohtaisesti</translation>
    </message>
    <message>
        <source>line 1: no column &quot;cameraID&quot;</source>
        <translation>rivi 1: ei saraketta ”cameraID”</translation>
    </message>
    <message>
        <source>line %1: %2 fields, the header has %3</source>
        <translation>rivi %1: %2 kenttää, otsikkorivillä on %3</translation>
    </message>
    <message>
        <source>no cameraID</source>
        <translation>ei cameraID-arvoa</translation>
    </message>
    <message>
        <source>a cameraID holds a line break</source>
        <translation>cameraID sisältää rivinvaihdon</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already on line %2</source>
        <translation>”%1” on jo rivillä %2</translation>
    </message>
    <message>
        <source>the value holds a line break</source>
        <translation>arvo sisältää rivinvaihdon</translation>
    </message>
    <message>
        <source>a character that the camera&apos;s files cannot hold (Latin-1 only)</source>
        <translation>merkki, jota kameran tiedostot eivät voi sisältää (vain Latin-1)</translation>
    </message>
    <message>
        <source>the list names no camera</source>
        <translation>luettelossa ei ole yhtään kameraa</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>rivi %1: %2</translation>
    </message>
    <message>
        <source>cannot read &quot;%1&quot;: %2</source>
        <translation>tiedostoa ”%1” ei voi lukea: %2</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>muisti loppui</translation>
    </message>
    <message>
        <source>cannot write the report &quot;%1&quot;: %2</source>
        <translation>raporttia ”%1” ei voi kirjoittaa: %2</translation>
    </message>
    <message>
        <source>the report %1: %2</source>
        <translation>raportti %1: %2</translation>
    </message>
    <message>
        <source>the report &quot;%1&quot; has other columns than this run&apos;s list: give another report</source>
        <translation>raportissa ”%1” on eri sarakkeet kuin tämän ajon luettelossa: anna toinen raportti</translation>
    </message>
    <message>
        <source>the card is read-only (%1)</source>
        <translation>muistikortti on kirjoitussuojattu (%1)</translation>
    </message>
    <message>
        <source>the card is full (%1)</source>
        <translation>muistikortti on täynnä (%1)</translation>
    </message>
    <message>
        <source>the card went away or failed while it was written (%1)</source>
        <translation>muistikortti poistettiin tai vioittui kirjoitettaessa (%1)</translation>
    </message>
    <message>
        <source>unknown model &quot;%1&quot;</source>
        <translation>tuntematon malli ”%1”</translation>
    </message>
    <message>
        <source>cannot write the backup %1: %2</source>
        <translation>varmuuskopiota %1 ei voi kirjoittaa: %2</translation>
    </message>
    <message>
        <source>the game call is converted with ffmpeg, which is not installed: install the package ffmpeg</source>
        <translation>houkutusääni muunnetaan ffmpeg-ohjelmalla, jota ei ole asennettu: asenna paketti ffmpeg</translation>
    </message>
    <message>
        <source>the game call %1 could not be converted: %2</source>
        <translation>houkutusääntä %1 ei voitu muuntaa: %2</translation>
    </message>
    <message>
        <source>the game call %1 could not be converted: %2 (%3)</source>
        <translation>houkutusääntä %1 ei voitu muuntaa: %2 (%3)</translation>
    </message>
    <message>
        <source>&quot;IMAG0001.JPG&quot; or &quot;VIDE0001.AVI&quot; could not be renamed</source>
        <translation>tiedostoa ”IMAG0001.JPG” tai ”VIDE0001.AVI” ei voitu nimetä uudelleen</translation>
    </message>
    <message>
        <source>the game call read back is not the one written</source>
        <translation>takaisin luettu houkutusääni ei ole sama kuin kirjoitettu</translation>
    </message>
    <message>
        <source>UDisks2 went away: unmount each card before you remove it</source>
        <translation>UDisks2 katosi: irrota jokainen muistikortti ennen poistamista</translation>
    </message>
    <message>
        <source>it holds %1 already; it is written over only when the run says so</source>
        <translation>siinä on jo %1; se korvataan vain, kun ajo niin määrää</translation>
    </message>
    <message>
        <source>it holds the settings file of a %1 (%2)</source>
        <translation>siinä on mallin %1 asetustiedosto (%2)</translation>
    </message>
    <message>
        <source>this card was written for %1 — safe to remove</source>
        <translation>tämä muistikortti kirjoitettiin kameralle %1 — voidaan poistaa turvallisesti</translation>
    </message>
    <message>
        <source>this card was written for %1 — unmount it before you remove it</source>
        <translation>tämä muistikortti kirjoitettiin kameralle %1 — irrota ennen poistamista</translation>
    </message>
    <message>
        <source>card left untouched: %1 — safe to remove</source>
        <translation>muistikorttiin ei koskettu: %1 — voidaan poistaa turvallisesti</translation>
    </message>
    <message>
        <source>card left untouched: %1 — unmount it before you remove it</source>
        <translation>muistikorttiin ei koskettu: %1 — irrota ennen poistamista</translation>
    </message>
    <message>
        <source>%1 (the report could not be written: %2)</source>
        <translation>%1 (raporttia ei voitu kirjoittaa: %2)</translation>
    </message>
    <message>
        <source>%1 not written: %2 — safe to remove</source>
        <translation>%1 ei kirjoitettu: %2 — voidaan poistaa turvallisesti</translation>
    </message>
    <message>
        <source>%1 not written: %2 — remove the card and try again</source>
        <translation>%1 ei kirjoitettu: %2 — poista muistikortti ja yritä uudelleen</translation>
    </message>
    <message>
        <source>the camera&apos;s copy %1 could not be written: %2</source>
        <translation>kameran kopiota %1 ei voitu kirjoittaa: %2</translation>
    </message>
    <message>
        <source>the camera&apos;s copy %1 could not be read: %2</source>
        <translation>kameran kopiota %1 ei voitu lukea: %2</translation>
    </message>
    <message>
        <source>the game call: %1</source>
        <translation>houkutusääni: %1</translation>
    </message>
    <message>
        <source>the card could not be read back: %1</source>
        <translation>muistikorttia ei voitu lukea takaisin: %1</translation>
    </message>
    <message>
        <source>the card gave back other bytes than were written</source>
        <translation>muistikortilta luettiin eri tavut kuin kirjoitettiin</translation>
    </message>
    <message>
        <source>the camera would not read it: %1</source>
        <translation>kamera ei lukisi sitä: %1</translation>
    </message>
    <message>
        <source>%1 done — safe to remove</source>
        <translation>%1 valmis — voidaan poistaa turvallisesti</translation>
    </message>
    <message>
        <source>%1 done — unmount it before you remove it</source>
        <translation>%1 valmis — irrota ennen poistamista</translation>
    </message>
    <message>
        <source>%1 done — unmount it before you remove it (%2)</source>
        <translation>%1 valmis — irrota ennen poistamista (%2)</translation>
    </message>
    <message>
        <source>SMTP SSL is 0, 1 or empty, not &quot;%1&quot;</source>
        <translation>SMTP SSL on 0, 1 tai tyhjä, ei ”%1”</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a network key of %2</source>
        <translation>”%1” ei ole mallin %2 verkkoavain</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a camera key of %2</source>
        <translation>”%1” ei ole mallin %2 kamera-avain</translation>
    </message>
    <message>
        <source>&quot;%1&quot; for &quot;%2&quot; is not a number</source>
        <translation>”%1” kohteelle ”%2” ei ole luku</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a key of %2&apos;s settings file</source>
        <translation>”%1” ei ole mallin %2 asetustiedoston avain</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 tai %2</translation>
    </message>
    <message>
        <source>no file mark: [WKSFileMark] Model is missing</source>
        <translation>ei tiedostomerkintää: [WKSFileMark] Model puuttuu</translation>
    </message>
    <message>
        <source>file mark &quot;%1&quot; is not %2</source>
        <translation>tiedostomerkintä ”%1” ei ole %2</translation>
    </message>
    <message>
        <source>[%1] %2 is missing</source>
        <translation>[%1] %2 puuttuu</translation>
    </message>
    <message>
        <source>[%1] %2 is longer than %3 characters, the most the program writes</source>
        <translation>[%1] %2 on yli %3 merkkiä pitkä, enemmän kuin ohjelma kirjoittaa</translation>
    </message>
    <message>
        <source>[%1] %2 &quot;%3&quot; is neither 0 nor 1</source>
        <translation>[%1] %2 ”%3” ei ole 0 eikä 1</translation>
    </message>
    <message>
        <source>[%1] %2 is longer than %3 characters</source>
        <translation>[%1] %2 on yli %3 merkkiä pitkä</translation>
    </message>
    <message>
        <source>[%1] %2 &quot;%3&quot; is not a number</source>
        <translation>[%1] %2 ”%3” ei ole luku</translation>
    </message>
    <message>
        <source>[%1] %2 %3 is outside %4 to %5</source>
        <translation>[%1] %2 %3 on välin %4–%5 ulkopuolella</translation>
    </message>
    <message>
        <source>the camera clock is not a valid date and time</source>
        <translation>kameran kello ei ole kelvollinen päivämäärä ja aika</translation>
    </message>
    <message>
        <source>[%1] %2 is not a key of %3</source>
        <translation>[%1] %2 ei ole mallin %3 avain</translation>
    </message>
    <message>
        <source>%1 for %2: %4, not %3</source>
        <translation>%1 mallille %2: %4, ei %3</translation>
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
        <translation>Peru</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Kyllä</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ei</translation>
    </message>
</context>
<context>
    <name>wks::CameraModel</name>
    <message>
        <source>WKS CONFIG : For %1 Sweden Customized</source>
        <translation>WKS CONFIG: %1 – Ruotsin versio</translation>
    </message>
    <message>
        <source>WKS CONFIG : For %1</source>
        <translation>WKS CONFIG: %1</translation>
    </message>
</context>
<context>
    <name>wks::PlaceholderSender</name>
    <message>
        <source>E-mail from the camera needs your own sender account: set it under Check WAP / Internet Parameters.</source>
        <translation>Jotta kamera voi lähettää sähköpostia, se tarvitsee oman lähettäjän tilisi: määritä se kohdassa ”Tarkista WAP-/internetparametrit”.</translation>
    </message>
</context>
<context>
    <name>wks::mail</name>
    <message>
        <source>Cancelled during %1.</source>
        <translation>Peruttiin vaiheessa %1.</translation>
    </message>
    <message>
        <source>%1 failed: SEND EMAIL SERVER is empty.</source>
        <translation>%1 epäonnistui: lähtevän postin palvelin on tyhjä.</translation>
    </message>
    <message>
        <source>%1 failed: the PORT &quot;%2&quot; is no port number (1 to 65535).</source>
        <translation>%1 epäonnistui: portti ”%2” ei ole porttinumero (1–65535).</translation>
    </message>
    <message>
        <source>SEND EMAIL ADDRESS</source>
        <translation>Lähettäjän osoite</translation>
    </message>
    <message>
        <source>Receive Email 1</source>
        <translation>Vastaanottajan sähköposti 1</translation>
    </message>
    <message>
        <source>The e-mail test needs libcurl: %1</source>
        <translation>Sähköpostitesti tarvitsee libcurlin: %1</translation>
    </message>
    <message>
        <source>%1 failed: &quot;%2&quot; is no server name: check SEND EMAIL SERVER.</source>
        <translation>%1 epäonnistui: ”%2” ei ole palvelimen nimi: tarkista lähtevän postin palvelin.</translation>
    </message>
    <message>
        <source>E-mail test passed</source>
        <translation>Sähköpostitesti onnistui</translation>
    </message>
    <message>
        <source>E-mail test failed</source>
        <translation>Sähköpostitesti epäonnistui</translation>
    </message>
    <message>
        <source>&quot;SMTP SSL&quot; (Advanced... on the WAP / Internet screen)</source>
        <translation>”SMTP SSL” (Lisäasetukset… WAP-/internetparametrien ikkunassa)</translation>
    </message>
    <message>
        <source> The server said: &quot;%1&quot;</source>
        <translation> Palvelin vastasi: ”%1”</translation>
    </message>
    <message>
        <source>port %1 of %2</source>
        <translation>palvelimen %2 portissa %1</translation>
    </message>
    <message>
        <source>the name service did not answer within %1: is this computer on the Internet?</source>
        <translation>nimipalvelu ei vastannut %1 kuluessa: onko tietokone yhteydessä internetiin?</translation>
    </message>
    <message>
        <source>the server name &quot;%1&quot; is unknown: check SEND EMAIL SERVER (or this computer is not on the Internet).</source>
        <translation>palvelimen nimi ”%1” on tuntematon: tarkista lähtevän postin palvelin (tai tietokone ei ole yhteydessä internetiin).</translation>
    </message>
    <message>
        <source>nothing answered on %1 within %2: check the PORT beside SEND EMAIL SERVER, or a firewall is in the way.</source>
        <translation>mikään ei vastannut %1 %2 kuluessa: tarkista lähtevän postin palvelimen vieressä oleva portti, tai palomuuri on tiellä.</translation>
    </message>
    <message>
        <source>nothing listens on %1: check the PORT beside SEND EMAIL SERVER (mail providers take mail on 465 with SSL, or on 587 or 25).</source>
        <translation>mikään ei kuuntele %1: tarkista lähtevän postin palvelimen vieressä oleva portti (sähköpostipalvelut ottavat postia vastaan portissa 465 SSL:llä tai porteissa 587 ja 25).</translation>
    </message>
    <message>
        <source>SMTP SSL is ticked, but the server speaks plain text on port %1 (it said &quot;%2&quot;). Untick %3, or use the server&apos;s SSL port, usually 465.</source>
        <translation>SMTP SSL on valittuna, mutta palvelin käyttää portissa %1 salaamatonta yhteyttä (se vastasi ”%2”). Poista valinta %3 tai käytä palvelimen SSL-porttia, yleensä 465.</translation>
    </message>
    <message>
        <source>%1 took the connection on port %2 but did not start TLS within %3.</source>
        <translation>%1 otti yhteyden vastaan portissa %2, mutta ei aloittanut TLS:ää %3 kuluessa.</translation>
    </message>
    <message>
        <source>the encryption could not be started (%1).</source>
        <translation>salausta ei voitu aloittaa (%1).</translation>
    </message>
    <message>
        <source>the server speaks TLS on port %1, but SMTP SSL is not ticked. Tick %2, or use the server&apos;s plain-text port, usually 587 or 25.</source>
        <translation>palvelin käyttää portissa %1 TLS:ää, mutta SMTP SSL ei ole valittuna. Valitse %2 tai käytä palvelimen salaamatonta porttia, yleensä 587 tai 25.</translation>
    </message>
    <message>
        <source>the server refused to talk.%1</source>
        <translation>palvelin kieltäytyi keskustelemasta.%1</translation>
    </message>
    <message>
        <source>%1 took the connection on port %2 but said nothing within %3.</source>
        <translation>%1 otti yhteyden vastaan portissa %2, mutta ei sanonut mitään %3 kuluessa.</translation>
    </message>
    <message>
        <source>the server closed the connection without a greeting (%1).</source>
        <translation>palvelin sulki yhteyden tervehtimättä (%1).</translation>
    </message>
    <message>
        <source>the server wants encryption before the login (it offers STARTTLS), but SMTP SSL is not ticked. The camera must use SSL: tick %1 and use the server&apos;s SSL port, usually 465.%2</source>
        <translation>palvelin vaatii salauksen ennen kirjautumista (se tarjoaa STARTTLS:ää), mutta SMTP SSL ei ole valittuna. Kameran on käytettävä SSL:ää: valitse %1 ja käytä palvelimen SSL-porttia, yleensä 465.%2</translation>
    </message>
    <message>
        <source>the server did not answer the login within %1.</source>
        <translation>palvelin ei vastannut kirjautumiseen %1 kuluessa.</translation>
    </message>
    <message>
        <source>the server offers no login on port %1: check the PORT (mail providers take logins on 465 with SSL, or on 587).</source>
        <translation>palvelin ei tarjoa kirjautumista portissa %1: tarkista portti (sähköpostipalvelut ottavat kirjautumisia vastaan portissa 465 SSL:llä tai portissa 587).</translation>
    </message>
    <message>
        <source>the server offers no way of logging in that the camera knows (%1).</source>
        <translation>palvelin ei tarjoa yhtään kameran tuntemaa kirjautumistapaa (%1).</translation>
    </message>
    <message>
        <source>the server refused the address and password. The password is the likely fault (many providers want an app password for devices): check SEND EMAIL PASSWORD, then SEND EMAIL ADDRESS.%1</source>
        <translation>palvelin hylkäsi osoitteen ja salasanan. Vika on todennäköisesti salasanassa (monet palvelut vaativat laitteille sovellussalasanan): tarkista lähettäjän salasana ja sitten lähettäjän osoite.%1</translation>
    </message>
    <message>
        <source>%1.%2</source>
        <translation>%1.%2</translation>
    </message>
    <message>
        <source>the server did not answer within %1 while taking the test message.</source>
        <translation>palvelin ei vastannut %1 kuluessa testiviestiä vastaanottaessaan.</translation>
    </message>
    <message>
        <source>the server does not let %1 send.%2</source>
        <translation>palvelin ei anna osoitteen %1 lähettää.%2</translation>
    </message>
    <message>
        <source>the server refused the recipient %1.%2</source>
        <translation>palvelin hylkäsi vastaanottajan %1.%2</translation>
    </message>
    <message>
        <source>the server did not take the test message.%1</source>
        <translation>palvelin ei ottanut testiviestiä vastaan.%1</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>it is self-signed</source>
        <translation>se on itse allekirjoitettu</translation>
    </message>
    <message>
        <source>it has expired</source>
        <translation>se on vanhentunut</translation>
    </message>
    <message>
        <source>it is not valid yet</source>
        <translation>se ei ole vielä voimassa</translation>
    </message>
    <message>
        <source>it is signed by an authority this computer does not know</source>
        <translation>sen on allekirjoittanut varmentaja, jota tämä tietokone ei tunne</translation>
    </message>
    <message>
        <source>this computer&apos;s certificates cannot be read</source>
        <translation>tämän tietokoneen varmenteita ei voi lukea</translation>
    </message>
    <message>
        <source>it is made out to another name than %1</source>
        <translation>se on myönnetty muulle nimelle kuin %1</translation>
    </message>
    <message>
        <source>it is not accepted</source>
        <translation>sitä ei hyväksytä</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>on tyhjä</translation>
    </message>
    <message>
        <source>holds a control character</source>
        <translation>sisältää ohjausmerkin</translation>
    </message>
    <message>
        <source>holds a blank</source>
        <translation>sisältää välilyönnin</translation>
    </message>
    <message>
        <source>holds &quot;%1&quot;</source>
        <translation>sisältää merkin ”%1”</translation>
    </message>
    <message>
        <source>has no &quot;@&quot;</source>
        <translation>ei sisällä merkkiä ”@”</translation>
    </message>
    <message>
        <source>holds more than one &quot;@&quot;</source>
        <translation>sisältää useamman kuin yhden ”@”-merkin</translation>
    </message>
    <message>
        <source>has nothing before its &quot;@&quot;</source>
        <translation>ei sisällä mitään ennen ”@”-merkkiä</translation>
    </message>
    <message>
        <source>has nothing after its &quot;@&quot;</source>
        <translation>ei sisällä mitään ”@”-merkin jälkeen</translation>
    </message>
    <message>
        <source>Name look-up</source>
        <translation>Nimihaku</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Yhteys</translation>
    </message>
    <message>
        <source>TLS</source>
        <translation>TLS</translation>
    </message>
    <message>
        <source>Greeting</source>
        <translation>Tervehdys</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Kirjautuminen</translation>
    </message>
    <message>
        <source>Sending</source>
        <translation>Lähetys</translation>
    </message>
    <message>
        <source>%1 is an address, nothing to look up</source>
        <translation>%1 on osoite, ei haettavaa</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation>%1 on %2</translation>
    </message>
    <message>
        <source>%1 answers on port %2</source>
        <translation>%1 vastaa portissa %2</translation>
    </message>
    <message>
        <source>%1 answers on port %2 (no PORT given: the standard port)</source>
        <translation>%1 vastaa portissa %2 (porttia ei annettu: vakioportti)</translation>
    </message>
    <message>
        <source>the connection is encrypted from the first byte</source>
        <translation>yhteys on salattu ensimmäisestä tavusta alkaen</translation>
    </message>
    <message>
        <source>the server accepted %1 and its password (%2)</source>
        <translation>palvelin hyväksyi osoitteen %1 ja sen salasanan (%2)</translation>
    </message>
    <message>
        <source>the server accepted %1 and its password</source>
        <translation>palvelin hyväksyi osoitteen %1 ja sen salasanan</translation>
    </message>
    <message>
        <source>the test message to %1 was accepted (%2)</source>
        <translation>testiviesti osoitteeseen %1 otettiin vastaan (%2)</translation>
    </message>
    <message>
        <source>the test message to %1 was accepted</source>
        <translation>testiviesti osoitteeseen %1 otettiin vastaan</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the test took longer than %1 in all</source>
        <translation>testi kesti kaikkiaan yli %1</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 epäonnistui: %2</translation>
    </message>
    <message>
        <source>Warning: the server&apos;s certificate cannot be verified: %1 (%2); the password is sent anyway, as asked.</source>
        <translation>Varoitus: palvelimen varmennetta ei voi tarkistaa: %1 (%2); salasana lähetetään silti, kuten pyydettiin.</translation>
    </message>
    <message>
        <source>Warning: the server&apos;s certificate cannot be verified: %1 (%2).</source>
        <translation>Varoitus: palvelimen varmennetta ei voi tarkistaa: %1 (%2).</translation>
    </message>
    <message>
        <source> Besides, the server offers no login on port %1.</source>
        <translation> Lisäksi palvelin ei tarjoa kirjautumista portissa %1.</translation>
    </message>
    <message>
        <source>%1 not tried: %2</source>
        <translation>%1 jäi kokeilematta: %2</translation>
    </message>
    <message>
        <source>the password was not sent, because the server&apos;s certificate cannot be verified: whoever answered may not be the mail server. The camera may refuse the certificate too: ask the mail provider which server name and port to use.%1</source>
        <translation>salasanaa ei lähetetty, koska palvelimen varmennetta ei voi tarkistaa: vastaaja ei ehkä ole sähköpostipalvelin. Kamerakin voi hylätä varmenteen: kysy sähköpostipalvelulta, mitä palvelimen nimeä ja porttia käytetään.%1</translation>
    </message>
    <message>
        <source>Warning: the password crossed the network unencrypted, as it will from the camera.</source>
        <translation>Varoitus: salasana kulki verkossa salaamattomana, kuten se kulkee myös kamerasta.</translation>
    </message>
    <message>
        <source>%1 %2; an e-mail address is one plain mailbox, such as name@example.org. The test stopped before connecting.</source>
        <translation>%1 %2; sähköpostiosoite on yksi tavallinen postilaatikko, esimerkiksi nimi@example.org. Testi pysähtyi ennen yhteyden muodostamista.</translation>
    </message>
</context>
<context>
    <name>wks::ui::AboutBox</name>
    <message>
        <source>Version %1</source>
        <translation>Versio %1</translation>
    </message>
</context>
<context>
    <name>wks::ui::CWKS_MainParaDlg</name>
    <message>
        <source>Others......</source>
        <translation>Muut......</translation>
    </message>
    <message>
        <source>Admin Number</source>
        <translation>Ylläpitäjän numero</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>Asetustiedosto</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>Tietoja WKS CONFIGista</translation>
    </message>
    <message>
        <source>About Us (F1)</source>
        <translation>Tietoja WKS CONFIGista (F1)</translation>
    </message>
    <message>
        <source>Eject the card</source>
        <translation>Poista muistikortti asemasta</translation>
    </message>
    <message>
        <source>%1 is safe to remove.</source>
        <translation>%1 voidaan poistaa turvallisesti.</translation>
    </message>
    <message>
        <source>%1 is written; unmount it before you remove it.</source>
        <translation>%1 on kirjoitettu; irrota se ennen kuin poistat sen.</translation>
    </message>
</context>
<context>
    <name>wks::ui::CWKS_ModSelDlg</name>
    <message>
        <source>Product picture</source>
        <translation>Tuotekuva</translation>
    </message>
    <message>
        <source>No product chosen</source>
        <translation>Tuotetta ei ole valittu</translation>
    </message>
</context>
<context>
    <name>wks::ui::CWKS_WapParaDlg</name>
    <message>
        <source>Note: port %1 is kept as %2 (a PORT keeps 4 digits), so the test connects to %2.</source>
        <translation>Huom.: portti %1 tallennetaan muodossa %2 (portissa on enintään 4 numeroa), joten testi yhdistää porttiin %2.</translation>
    </message>
    <message>
        <source>Send the password to this server anyway?</source>
        <translation>Lähetetäänkö salasana tälle palvelimelle silti?</translation>
    </message>
</context>
<context>
    <name>wks::ui::CameraScreen</name>
    <message>
        <source>You can click the left button to add audio file if GameCall is ON !</source>
        <translation>Houkutusääni ON: lisää äänitiedosto vasemmalla olevalla painikkeella</translation>
    </message>
    <message>
        <source>Game Call hour</source>
        <translation>Houkutusääni, tunti</translation>
    </message>
    <message>
        <source>Game Call minute</source>
        <translation>Houkutusääni, minuutti</translation>
    </message>
    <message>
        <source>Start Time hour</source>
        <translation>Alkuaika, tunti</translation>
    </message>
    <message>
        <source>Start Time minute</source>
        <translation>Alkuaika, minuutti</translation>
    </message>
    <message>
        <source>Stop Time hour</source>
        <translation>Loppuaika, tunti</translation>
    </message>
    <message>
        <source>Stop Time minute</source>
        <translation>Loppuaika, minuutti</translation>
    </message>
    <message>
        <source>Send Time hour</source>
        <translation>Lähetysaika, tunti</translation>
    </message>
    <message>
        <source>Send Time minute</source>
        <translation>Lähetysaika, minuutti</translation>
    </message>
    <message>
        <source>Audio file</source>
        <translation>Äänitiedosto</translation>
    </message>
    <message>
        <source>Clock date</source>
        <translation>Kameran päivämäärä</translation>
    </message>
    <message>
        <source>Clock time</source>
        <translation>Kameran kellonaika</translation>
    </message>
</context>
<context>
    <name>wks::ui::CardStationDlg</name>
    <message>
        <source>Many Cards: %1</source>
        <translation>Monta korttia: %1</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Muistikortti</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Tila</translation>
    </message>
    <message>
        <source>Camera List</source>
        <translation>Kameraluettelo</translation>
    </message>
    <message>
        <source>%1 of %2 cameras done</source>
        <translation>%1/%2 kameraa valmiina</translation>
    </message>
    <message>
        <source>Left alone: it is not a memory card</source>
        <translation>Jätetty koskematta: se ei ole muistikortti</translation>
    </message>
    <message>
        <source>Every camera is done.</source>
        <translation>Kaikki kamerat ovat valmiina.</translation>
    </message>
    <message>
        <source>The next card gets %1.</source>
        <translation>Seuraava muistikortti saa kameran %1.</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>kirjoitetaan</translation>
    </message>
    <message>
        <source>written</source>
        <translation>kirjoitettu</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>tarkistettu</translation>
    </message>
    <message>
        <source>%1 done — safe to remove</source>
        <translation>%1 valmis — voidaan poistaa turvallisesti</translation>
    </message>
    <message>
        <source>%1 done — unmount it before you remove it</source>
        <translation>%1 valmis — irrota ennen poistamista</translation>
    </message>
    <message>
        <source>This card was written for %1</source>
        <translation>Tämä muistikortti kirjoitettiin kameralle %1</translation>
    </message>
    <message>
        <source>Card left untouched: it holds %1 already</source>
        <translation>Muistikorttiin ei koskettu: siinä on jo %1</translation>
    </message>
    <message>
        <source>Card left untouched: it holds the settings file of a %1</source>
        <translation>Muistikorttiin ei koskettu: siinä on mallin %1 asetustiedosto</translation>
    </message>
    <message>
        <source>the card is read-only</source>
        <translation>muistikortti on kirjoitussuojattu</translation>
    </message>
    <message>
        <source>the card is full</source>
        <translation>muistikortti on täynnä</translation>
    </message>
    <message>
        <source>the card went away or failed while it was written</source>
        <translation>muistikortti poistettiin tai vioittui kirjoitettaessa</translation>
    </message>
    <message>
        <source>%1 not written: %2</source>
        <translation>%1 ei kirjoitettu: %2</translation>
    </message>
    <message>
        <source>%1 — safe to remove</source>
        <translation>%1 — turvallista poistaa</translation>
    </message>
    <message>
        <source>%1 — unmount it before you remove it</source>
        <translation>%1 — irrota ennen poistamista</translation>
    </message>
    <message>
        <source>UDisks2 went away: unmount each card before you remove it</source>
        <translation>UDisks2 katosi: irrota jokainen muistikortti ennen poistamista</translation>
    </message>
</context>
<context>
    <name>wks::ui::ConversionProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Peru</translation>
    </message>
    <message>
        <source>Converting the game call…</source>
        <translation>Muunnetaan houkutusääntä…</translation>
    </message>
</context>
<context>
    <name>wks::ui::FileFilter</name>
    <message>
        <source>Audio File(*.mp3,*.wav,*.aac)</source>
        <translation>Äänitiedosto (*.mp3, *.wav, *.aac)</translation>
    </message>
</context>
<context>
    <name>wks::ui::Latin1Field</name>
    <message>
        <source>The camera accepts only the digits 0 to 9 here.</source>
        <translation>Kamera hyväksyy tähän vain numerot 0–9.</translation>
    </message>
    <message>
        <source>The camera accepts only Latin-1 characters: A to Z, a to z, 0 to 9, signs and Western European letters such as é, ü, ß.</source>
        <translation>Kamera hyväksyy vain Latin-1-merkit: A–Z, a–z, 0–9, välimerkit ja länsieurooppalaiset kirjaimet, kuten é, ü, ß.</translation>
    </message>
</context>
<context>
    <name>wks::ui::MailTestRun</name>
    <message>
        <source>Cancel</source>
        <translation>Peru</translation>
    </message>
    <message>
        <source>Testing the e-mail account…</source>
        <translation>Testataan sähköpostitiliä…</translation>
    </message>
</context>
<context>
    <name>wks::ui::Picture</name>
    <message>
        <source>Settings for GSM / MMS trail cameras</source>
        <translation>Asetukset GSM-/MMS-riistakameroille</translation>
    </message>
    <message>
        <source>No product chosen</source>
        <translation>Tuotetta ei ole valittu</translation>
    </message>
</context>
</TS>
