#!/usr/bin/env bash
# check_metadata.sh ROOT: the desktop entry and AppStream file installed under ROOT/share, held to
# desktop-file-validate and to appstreamcli validate --pedantic, and to what the software stores
# ask beyond them: a short summary, notes on every release, three screenshots installed beside
# them at the size they claim, and every file named by the application id.
set -euo pipefail
share=$1/share
id=org.tarvelle.Tarvelle
fail() { echo "$*"; exit 1; }

desktop-file-validate "$share/applications/$id.desktop" || fail "desktop-file-validate failed"
grep -qx "Icon=$id" "$share/applications/$id.desktop" || fail "the desktop entry's icon is not $id"
[ -s "$share/icons/hicolor/scalable/apps/$id.svg" ] || fail "no scalable icon named $id"

metainfo=$share/metainfo/$id.metainfo.xml
report=$(appstreamcli validate --pedantic --no-net "$metainfo" 2>&1) || { echo "$report"; fail "appstreamcli failed"; }
echo "$report"
# Debian 12's AppStream (0.16) predates <developer> and still asks for lower-case ids, which
# AppStream 1.0 and the stores accept; anything else it says fails the check.
unexpected=$(echo "$report" | grep -E '^[EWIP]: ' |
    grep -vE "^P: $id:[0-9]+: cid-contains-uppercase-letter|^I: $id:[0-9]+: unknown-tag developer$" || true)
[ -z "$unexpected" ] || fail "appstreamcli reports: $unexpected"

python3 - "$metainfo" "$share" <<'PY'
import struct, sys, xml.etree.ElementTree as ET
metainfo, share = sys.argv[1], sys.argv[2]
root = ET.parse(metainfo).getroot()
def need(ok, why):
    if not ok:
        sys.exit("metainfo: " + why)
summary = root.findtext("summary")
need(summary and len(summary) <= 35, "summary %r is longer than 35 characters" % summary)
dev = root.find("developer")
need(dev is not None and dev.get("id") and dev.findtext("name"), "no <developer id> with a name")
need(root.find("developer_name") is None, "the deprecated <developer_name> is still there")
rating = root.find("content_rating")
need(rating is not None and rating.get("type") == "oars-1.1", "no oars-1.1 content rating")
ids = {a.get("id"): a.text for a in rating.findall("content_attribute")}
need(ids.get("money-gambling") in ("mild", "moderate"), "money-gambling is %r" % ids.get("money-gambling"))
need("gambling" not in ids, "the invalid id 'gambling' is declared")
releases = root.findall("releases/release")
need(releases, "no releases")
for r in releases:
    need(r.findall("description/ul/li"), "release %s has no notes" % r.get("version"))
shots = root.findall("screenshots/screenshot")
need(len(shots) >= 3, "%d screenshots, 3 wanted" % len(shots))
for shot in shots:
    image = shot.find("image")
    name = image.text.rsplit("/", 1)[1]
    with open("%s/tarvelle/screenshots/%s" % (share, name), "rb") as f:
        head = f.read(24)
    need(head[:8] == b"\x89PNG\r\n\x1a\n", name + " is not a PNG")
    size = struct.unpack(">II", head[16:24])
    need(size == (int(image.get("width")), int(image.get("height"))), "%s is %dx%d, not as declared" % ((name,) + size))
need(root.findtext("launchable") == root.findtext("id") + ".desktop", "launchable is not the id's desktop entry")
PY
echo "metadata ok"
