#include "snippets/referencelists.h"

namespace {

constexpr const char16_t *vbKeywords[] = {
    u"\")", u"<%%>", u"%>", u"(\"", u"<%", u"=", u"Eof", u"Bof", u"Loop", u"abandon", u"addheader",
    u"all_http", u"all_raw", u"appendtolog", u"appl_md_path", u"appl_physical_path", u"application",
    u"application_onend", u"application_onstart", u"auth_password", u"auth_type", u"auth_user",
    u"binarywrite", u"browsertype", u"buffer", u"cachecontrol", u"cert_cookie", u"cert_flags",
    u"cert_issuer", u"cert_keysize", u"cert_secretkeysize", u"cert_serialnumber",
    u"cert_server_issuer", u"cert_server_subject", u"cert_subject", u"charset", u"clear",
    u"clientcertificate", u"codepage", u"collection", u"content_length", u"content_type",
    u"contents", u"contenttype", u"cookies", u"createobject", u"domain", u"dsn",
    u"enablesessionstate", u"end", u"expires", u"expiresabsolute", u"false", u"flush", u"function",
    u"gateway_interface", u"haskeys", u"htmlencode", u"http_accept", u"http_accept_language",
    u"http_connection", u"http_cookie", u"http_host", u"http_language", u"http_pragma",
    u"http_ua_color", u"http_ua_cpu", u"http_ua_os", u"http_ua_pixels", u"http_ua_useragent",
    u"https", u"https_keysize", u"https_secretkeysize", u"https_server_issuer",
    u"https_server_subject", u"include", u"instance_id", u"instance_meta_path",
    u"isclientconnected", u"javascript", u"jscript", u"language", u"lcid", u"local_addr", u"lock",
    u"logon_user", u"mappath", u"mswc", u"objectcontext", u"ontransactionabort",
    u"ontransactioncommit", u"path", u"path_info", u"path_translated", u"pics", u"procedure", u"pw",
    u"query_string", u"querystring", u"redirect", u"rem", u"remote_addr", u"remote_host",
    u"remote_user", u"request", u"request_method", u"response", u"runat", u"script_map",
    u"script_name", u"scripttimeout", u"secure", u"server", u"server_name", u"server_port",
    u"server_port_secure", u"server_protocol", u"server_software", u"servervariables", u"session",
    u"session_onend", u"session_onstart", u"sessionid", u"set", u"setabort", u"setcomplete",
    u"staticobjects", u"status", u"sub", u"timeout", u"transaction", u"true", u"uid", u"unlock",
    u"url", u"urlencode", u"virtual", u"write",
};

// The mailto entry uses a reserved example address, never a real mailbox.
constexpr const char16_t *htmlTags[] = {
    u"<!doctype>", u"<a href=\"http://\" target=\"_Blank\" ></a>", u"<abbrev></abbrev>",
    u"<acronym></acronym>", u"<address></address>", u"<applet></applet>", u"<area>", u"<au></au>",
    u"<b></b>", u"<banner></banner>", u"<base>", u"<basefont>", u"<bgsound src=\"\" loop=\"0\">",
    u"<big></big>", u"<blink></blink>", u"<blockquote></blockquote>", u"<body></body>",
    u"<bq></bq>", u"<br>", u"<caption></caption>", u"<center></center>", u"<cite></cite>",
    u"<code></code>", u"<col></col>", u"<colgroup></colgroup>", u"<comment></comment>", u"<dd>",
    u"<del></del>", u"<dfn></dfn>", u"<dir></dir>", u"<div></div>", u"<dl></dl>", u"<dt>",
    u"<em></em>", u"<embed>", u"<fig></fig>", u"<fn></fn>", u"<font face=\"Verdana\"></font>",
    u"<form></form>", u"<frame></frame>", u"<frameset></frameset>", u"<h1></h1>", u"<h2></h2>",
    u"<h3></h3>", u"<h4></h4>", u"<h5></h5>", u"<h6></h6>", u"<head></head>", u"<hr>",
    u"<html></html>", u"<i></i>", u"<iframe></iframe>", u"<img src=\"\" Alt=\"\" border=\"0\">",
    u"<input type=></input>", u"<ins></ins>", u"<isindex>", u"<kbd></kbd>", u"<li>", u"<link>",
    u"<listing></listing>", u"<a href=\"mailto:name@example.com\">name@example.com</a>",
    u"<map></map>", u"<marquee  direction=left  behaviour= slide >text</marquee>", u"<menu></menu>",
    u"<multicol></multicol>", u"<nextid>", u"<nobr></nobr>", u"<noframes></noframes>",
    u"<noscript></noscript>", u"<note></note>", u"<object></object>", u"<ol></ol>", u"<option>",
    u"<overlay>", u"<p></p>", u"<param></param>", u"<person></person>", u"<plaintext></plaintext>",
    u"<pre></pre>", u"<range>", u"<s></s>", u"<samp></samp>", u"<script></script>",
    u"<select></select>", u"<small></small>", u"<spacer>", u"<span></span>", u"<spot>",
    u"<strike></strike>", u"<strong></strong>", u"<style></style>", u"<sub></sub>", u"<sup></sup>",
    u"<tab>", u"<tbody></tbody>", u"<td></td>", u"<textarea></textarea>", u"<tfoot></tfoot>",
    u"<th></th>", u"<thead></thead>", u"<title></title>", u"<tr></tr>", u"<tt></tt>", u"<u></u>",
    u"<ul></ul>", u"<var></var>", u"<wbr></wbr>", u"<xmp></xmp>",
};

// "<iset>" stands alone: pairing it with the end tag of isql would close the wrong tag.
constexpr const char16_t *ihtmlTags[] = {
    u"<!ihtml>", u"<iabs>", u"<iaddheader>", u"<iasc>", u"<iassign>", u"<iauthor></iauthor>",
    u"<ibanner>", u"<ibannerlog>", u"<ibaseconv>", u"<ibeep>", u"<ibit>", u"<ibreak>",
    u"<icase></icase>", u"<iceil>", u"<icgi>", u"<ichr>", u"<iclassc>", u"<iclean>", u"<iclear>",
    u"<iconfig>", u"<icontent>", u"<icookie>", u"<icopyfile>", u"<icounter>", u"<icrdate>",
    u"<icrdatetime>", u"<icrtime>", u"<idate>", u"<idatediff>", u"<idateext>", u"<idatetime>",
    u"<idbcolumn>", u"<idbloop></idbloop>", u"<idbquery></idbquery>", u"<idbresults></idbresults>",
    u"<idbtable></idbtable>", u"<idefault>", u"<idir>", u"<idotdot>", u"<idownload>", u"<idsn>",
    u"<idtstruct>", u"<ielse>", u"<ielseif>", u"<ieq>", u"<ierror></ierror>", u"<ierrorpage>",
    u"<ieval>", u"<ifax></ifax>", u"<ifile>", u"<ifileinfo>", u"<ifinger>", u"<ifloor>", u"<iftp>",
    u"<iftp></iftp>", u"<iftpaction>", u"<ifunccall>", u"<ifunction></ifunction>",
    u"<igetmimefile>", u"<igetmimename>", u"<igmtime>", u"<iheapdump>", u"<ihtml>",
    u"<ihtmldecode>", u"<ihttp>", u"<ihtx>", u"<iif></iif>", u"<iimagearc>", u"<iimageclearcolor>",
    u"<iimagecopy>", u"<iimagecreate>", u"<iimagedestroy>", u"<iimagefill>", u"<iimagefromfile>",
    u"<iimagegetcolor>", u"<iimagegetcomponent>", u"<iimagegetinfo>", u"<iimagegetpixel>",
    u"<iimageline>", u"<iimagerect>", u"<iimagesetbrush>", u"<iimagesetinterlace>",
    u"<iimagesetpixel>", u"<iimagesetstyle>", u"<iimagesettransparent>", u"<iimagestretch>",
    u"<iimagetext>", u"<iimagewithin>", u"<iimagewrite>", u"<iinclude>", u"<iip>", u"<iisalpha>",
    u"<iisdate>", u"<iisdef>", u"<iisdigit>", u"<iisformat>", u"<iisleap>", u"<iistime>",
    u"<iistrue>", u"<ilink>", u"<ilistcreate>", u"<ilistget>", u"<ilistinsert>", u"<iloop></iloop>",
    u"<imail></imail>", u"<imath>", u"<imax>", u"<imin>", u"<imultipartt>", u"<inap>",
    u"<inumtext>", u"<ipager>", u"<ipay>", u"<ipeek>", u"<iping>", u"<ipop></ipop>", u"<ipopfetch>",
    u"<ipopheader>", u"<iport></iport>", u"<iportaction>", u"<iprintf>", u"<ipush>", u"<irandom>",
    u"<iredir>", u"<irefresh>", u"<iregexfind>", u"<iregexlist>", u"<iregexreplace>", u"<iregkey>",
    u"<iregval>", u"<irem>", u"<iremblock></iremblock>", u"<ireplace>", u"<irndnum>",
    u"<ischedule>", u"<iset>", u"<ishift>", u"<isql>", u"<isqlcolumns>", u"<isqlfetch>",
    u"<isqlmore>", u"<isqlnextset>", u"<isqlproccolumns>", u"<isqlprocs>", u"<isqltables>",
    u"<isqltrans></isqltrans>", u"<istop>", u"<istrcat>", u"<istrcmp>", u"<istrcspan>",
    u"<istricmp>", u"<istrin>", u"<istripchr>", u"<istrjust>", u"<istrkeep>", u"<istrleft>",
    u"<istrlen>", u"<istrlpad>", u"<istrlwdt>", u"<istrlwr>", u"<istrncmp>", u"<istrnicmp>",
    u"<istrrem>", u"<istrrev>", u"<istrright>", u"<istrrpad>", u"<istrspan>", u"<istrtrim>",
    u"<istrupr>", u"<istrwith>", u"<isvc>", u"<iswitch></iswitch>", u"<itelget>",
    u"<itelnet></itelnet>", u"<itelset>", u"<itempname>", u"<ithreads>", u"<itime>", u"<itimediff>",
    u"<itimeslot>", u"<iundefine>", u"<iundefineset>", u"<iurlencode>", u"<ival>", u"<ividcap>",
    u"<iviewfile>", u"<iwhile></iwhile>",
};

constexpr const char16_t *aspVariables[] = {
    u"HTTP_REFERER", u"ALL_HTTP", u"AUTH_PASS", u"AUTH_TYPE", u"CONTENT_LENGTH", u"CONTENT_TYPE",
    u"GATEWAY_INTERFACE", u"PATH_INFO", u"PATH_TRANSLATED", u"QUERY_STRING", u"REMOTE_ADDR",
    u"REMOTE_HOST", u"REMOTE_IDENT", u"REMOTE_USER", u"REQUEST_BODY", u"REQUEST_METHOD",
    u"SCRIPT_NAME", u"SERVER_NAME", u"SERVER_PORT", u"SERVER_PROTOCOL", u"SERVER_SOFTWARE",
};
constexpr ReferenceList lists[] = {
    {u"vb", "vbKeywordList", 0, "reference.vb", vbKeywords},
    {u"html", "htmlTagList", 0, "reference.html", htmlTags},
    {u"ihtml", "ihtmlTagList", 8, "reference.ihtml", ihtmlTags},
    {u"asp", "aspVariableList", 0, "reference.asp", aspVariables},
};

} // namespace

std::span<const ReferenceList> referenceLists()
{
    return lists;
}
