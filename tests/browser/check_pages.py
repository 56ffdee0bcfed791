#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Opens the pages that make_pages saved in headless Chromium, served from a loopback HTTP server, and checks what
the browser makes of them: no script error, the jump menu and its Go button, where the page image stands, the body
colours, and the typed text under each charset a server may announce. Then it serves the same pages spoiled in known
ways and requires each spoiling to be caught, so that no check passes for want of looking.

    /usr/bin/python3 check_pages.py <pages folder> [screenshot folder]   (CHECK_PAGES_TIMES=1 adds each page's time)

The server is also the browser's proxy: an address off this machine is answered here, so no network is needed.
"""
import base64
import json
import os
import re
import signal
import sys
import tempfile
import threading
import time
from collections import namedtuple
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer
from pathlib import Path
from urllib.parse import quote, unquote, urlsplit

from selenium import webdriver
from selenium.common.exceptions import TimeoutException
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.support.select import Select
from selenium.webdriver.support.wait import WebDriverWait


class Record(dict):  # a JSON object whose members read as attributes
    __getattr__ = dict.__getitem__


if len(sys.argv) < 2:
    print('usage: /usr/bin/python3 check_pages.py <pages folder> [screenshot folder]', file=sys.stderr)
    sys.exit(2)
pages_folder = Path(sys.argv[1])
shot_folder = Path(sys.argv[2]) if len(sys.argv) > 2 else None
answers = json.loads((pages_folder / 'answers.json').read_text('utf-8'), object_hook=Record)
sys.stdout.reconfigure(line_buffering=True)

# How the server labels the page: the Content-Type it sends, and the encoding the browser must then report.
Charset = namedtuple('Charset', 'name content_type expected')
CHARSETS = [Charset('utf-8', 'text/html; charset=utf-8', 'UTF-8'),
            Charset('windows-1252', 'text/html; charset=windows-1252', 'windows-1252'),
            Charset('none', 'text/html', None)]


def move_image(text, mark, after_mark):
    image = re.search(r'<!-- Image -->\r\n[^\r\n]*\r\n', text)[0]
    text = text.replace(image, '', 1)
    return text.replace(mark, mark + image if after_mark else image + mark, 1)


# Each spoils a saved page the way a fault in the writer or the file writing would, and names the check that must
# catch it.
Spoiling = namedtuple('Spoiling', 'file charset caught_by spoil')
SPOILINGS = {
    'as typed, not as references': Spoiling(
        'basic_style_anchors_image.htm', 'windows-1252', 'text',
        lambda text: re.sub(r'&#(\d+);', lambda m: chr(int(m[1])), text)),
    'apostrophe not escaped in the menu': Spoiling(
        'basic_image_left_menu_image.htm', 'utf-8', 'script', lambda text: text.replace("\\'", "'")),
    'Go follows the prompt options': Spoiling(
        'table_image_right_menu_noimage.htm', 'none', 'navigation',
        lambda text: text.replace('!= "none"', '!= "nothing"', 1)),
    'a link option lost': Spoiling(
        'table_image_left_menu_image.htm', 'none', 'links',
        lambda text: re.sub(r'^document\.write\(\'<option value="about[^\r\n]*\r\n', '', text, 1, re.M)),
    'image on the other side': Spoiling(
        'basic_image_left_anchors_image.htm', 'utf-8', 'image',
        lambda text: text.replace('ALIGN="LEFT"', 'ALIGN="RIGHT"', 1)),
    'centred image above the text': Spoiling(
        'basic_style_menu_image.htm', 'utf-8', 'image',
        lambda text: move_image(text, '<!-- Page Text -->', after_mark=False)),
    'image moved into the text column': Spoiling(
        'table_image_right_anchors_image.htm', 'utf-8', 'image',
        lambda text: move_image(text, '<TD VALIGN="TOP">\r\n', after_mark=True)),
    'text colour dropped': Spoiling(
        'table_image_left_anchors_noimage.htm', 'utf-8', 'colours',
        lambda text: re.sub(r' TEXT="#[0-9A-F]{6}"', '', text, 1)),
}

SAVED_FILES = {c.file for c in answers.cases} | {answers.backgroundImage, answers.pageImage}
PICTURE_TYPES = {'.gif': 'image/gif', '.jpg': 'image/jpeg'}
navigations = []  # every page address the browser asked the server for, off-host ones included


# /<charset>/<spoiling or "saved">/<file>; anything else is a page that a link leads to. As the browser's proxy the
# server also gets the addresses off this machine, whole.
class Server(BaseHTTPRequestHandler):
    def do_GET(self):
        address = urlsplit(self.path)
        if 'text/html' in self.headers.get('Accept', ''):
            navigations.append(self.path if address.netloc else origin + self.path)
        parts = unquote(address.path).split('/', 3)
        charset = next((c for c in CHARSETS if c.name == parts[1]), None) if len(parts) == 4 else None
        if address.hostname not in (None, '127.0.0.1') or not charset or parts[3] not in SAVED_FILES:
            return self.answer('text/html; charset=utf-8', b'<p>arrived</p>')
        body = (pages_folder / parts[3]).read_bytes()
        picture = PICTURE_TYPES.get(Path(parts[3]).suffix)
        if not picture and parts[2] != 'saved':
            body = SPOILINGS[parts[2]].spoil(body.decode('latin-1')).encode('utf-8')
        self.answer(picture or charset.content_type, body)

    def answer(self, content_type, body):
        self.send_response(200)
        self.send_header('Content-Type', content_type)
        self.send_header('Content-Length', str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, *_):
        pass


# Everything the page shows, read in one go and handed back as JSON.
READ_PAGE = '''async (textStart, addresses) => {
    const box = (r) =>
        ({ left: r.left, right: r.right, top: r.top, bottom: r.bottom, width: r.width, height: r.height });
    const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
    let textNode = null;
    while (!textNode && walker.nextNode())
        if (walker.currentNode.data.includes(textStart))
            textNode = walker.currentNode;
    const range = document.createRange();
    if (textNode)
        range.selectNodeContents(textNode);
    const cells = [...document.querySelectorAll('td')];
    const bodyStyle = getComputedStyle(document.body);
    const form = document.forms.selecter;
    // The tiled picture has no element of its own; decoding it tells whether the browser can show it.
    const background = new Image();
    background.src = document.body.background;
    const backgroundWidth = await background.decode().then(() => background.naturalWidth, () => 0);
    return JSON.stringify({
        backgroundWidth,
        characterSet: document.characterSet,
        title: document.title,
        headings: [...document.querySelectorAll('h1,h2,h3,h4,h5,h6')]
            .map((h) => ({ level: Number(h.tagName[1]), text: h.textContent })),
        lines: document.body.innerText.split('\\n').map((line) => line.trim()),
        bullets: [...document.querySelectorAll('ul li')].map((li) => li.textContent.trim()),
        anchors: [...document.querySelectorAll('a')].map((a) =>
            ({ address: a.getAttribute('href'), href: a.href, text: a.textContent, color: getComputedStyle(a).color })),
        resolved: addresses.map((address) => new URL(address, location.href).href),
        options: form ? [...form.select1.options].map((o) => ({ value: o.value, text: o.text })) : null,
        goButtons: [...document.querySelectorAll('input[type=button]')].map((b) => b.value),
        bodyBox: box(document.body.getBoundingClientRect()),
        bodyBackground: bodyStyle.backgroundColor,
        bodyBackgroundImage: bodyStyle.backgroundImage,
        bodyText: bodyStyle.color,
        bodyLinkAttributes: [document.body.link, document.body.vLink, document.body.aLink],
        textLines: textNode ? [...range.getClientRects()].map(box) : [],
        textCell: textNode ? cells.indexOf(textNode.parentElement.closest('td')) : -1,
        images: [...document.images].map((i) => ({
            src: i.getAttribute('src'), loaded: i.complete && i.naturalWidth, cell: cells.indexOf(i.closest('td')),
            ...box(i.getBoundingClientRect()) })),
        firstBulletTop: document.querySelector('ul')?.getBoundingClientRect().top ?? null,
    });
}'''


def read_page():
    addresses = [link.address for link in answers.links]
    shown = driver.execute_script(f'return ({READ_PAGE})(...arguments)', answers.textLines[0][:20], addresses)
    return json.loads(shown, object_hook=Record)


def js(value):
    return json.dumps(value, ensure_ascii=False, separators=(',', ':'))


def rgb(hex_colour):
    return 'rgb({}, {}, {})'.format(*(int(hex_colour[i:i + 2], 16) for i in (1, 3, 5)))


def near(a, b, tolerance=1.5):
    return abs(a - b) <= tolerance


def middle(box):
    return (box.left + box.right) / 2


# Where the image must stand, given the page as read, and what to say when it does not.
IMAGE_PLACES = {
    'basic_style': (lambda image, text, shown:
                    near(middle(image), middle(shown.bodyBox)) and image.top >= text[-1].bottom and
                    shown.firstBulletTop is not None and image.bottom <= shown.firstBulletTop,
                    'not centred below the text and above the bullets'),
    'basic_image_left': (lambda image, text, shown:
                         near(image.left, shown.bodyBox.left + 5) and text[0].left >= image.right and
                         text[0].top < image.bottom,
                         'not at the left margin with the text beside it'),
    'basic_image_right': (lambda image, text, shown:
                          near(image.right, shown.bodyBox.right - 5) and text[0].right <= image.left and
                          text[0].top < image.bottom,
                          'not at the right margin with the text beside it'),
    'table_image_left': (lambda image, text, shown:
                         image.cell == 0 and shown.textCell == 1 and image.right <= min(t.left for t in text),
                         'not in the left column, left of the text'),
    'table_image_right': (lambda image, text, shown:
                          image.cell == 1 and shown.textCell == 0 and image.left >= max(t.right for t in text),
                          'not in the right column, right of the text'),
}


def problems(case, charset, shown, errors):
    a = answers
    if errors:
        yield 'script', ' | '.join(errors)
    if charset.expected and shown.characterSet != charset.expected:
        yield 'charset', f'read as {shown.characterSet}'

    heading = next((h.text for h in shown.headings if h.level == a.headingLevel), None)
    missing = [m for m in [shown.title != a.title and f'title {js(shown.title)}',
                           heading != a.heading and f'heading {js(heading)}',
                           *(f'text line {js(line)}' for line in a.textLines if line not in shown.lines),
                           shown.bullets != a.bullets and f'bullets {js(shown.bullets)}'] if m]
    if missing:
        yield 'text', f'not as typed: {"; ".join(missing)}'

    if case.menu:
        prompts = [{'value': 'none', 'text': 'Select your destination'}, {'value': 'none', 'text': '-' * 20}]
        typed = [{'value': link.address, 'text': link.description} for link in a.links]
        if shown.options != prompts + typed or shown.goButtons != ['Go']:
            yield 'links', f'menu {js(shown.options)}, buttons {js(shown.goButtons)}'
    else:
        links = shown.anchors[:len(a.links)]
        wrong = [shown_link for shown_link, link, href in zip(links, a.links, shown.resolved)
                 if (shown_link.address, shown_link.text, shown_link.href) != (link.address, link.description, href)]
        if shown.options is not None or len(links) < len(a.links) or wrong:
            yield 'links', f'anchors {js(shown.anchors)}'
    mail = next((link for link in shown.anchors if (link.address or '').startswith('mailto:')), None)
    if not mail or mail.address != f'mailto:{a.email}' or mail.text != a.email:
        yield 'text', f'e-mail anchor {js(mail)}'

    background, text, link, visited, active = a.colours
    link_colours = ','.join(dict.fromkeys(anchor.color for anchor in shown.anchors))
    link_attributes = ','.join(shown.bodyLinkAttributes)
    wrong_colours = [w for w in [
        shown.bodyBackground != rgb(background) and f'background {shown.bodyBackground}',
        shown.bodyText != rgb(text) and f'text {shown.bodyText}',
        any(anchor.color != rgb(link) for anchor in shown.anchors) and f'links {link_colours}',
        link_attributes.upper() != ','.join([link, visited, active]) and f'link attributes {link_attributes}',
        (not shown.bodyBackgroundImage.endswith(f'/{a.backgroundImage}")') or not shown.backgroundWidth) and
        f'background image {shown.bodyBackgroundImage}, {shown.backgroundWidth} pixels wide'] if w]
    if wrong_colours:
        yield 'colours', '; '.join(wrong_colours)

    if not case.image:
        if shown.images:
            yield 'image', f'an image where none was chosen: {js(shown.images)}'
    elif len(shown.images) != 1 or not shown.textLines:
        yield 'image', f'{len(shown.images)} images, {len(shown.textLines)} text lines found'
    else:
        image = shown.images[0]
        if (image.src, image.loaded, image.width, image.height) != (a.pageImage, a.imageWidth, a.imageWidth,
                                                                   a.imageHeight):
            yield 'image', f'not the chosen picture at its size: {js(image)}'
        in_place, complaint = IMAGE_PLACES[case.layout]
        if not in_place(image, shown.textLines, shown):
            yield 'image', f'{complaint}: image {js(image)}, text lines {js(shown.textLines)}'


def open_page(url):
    driver.get_log('browser')  # what earlier pages logged is theirs
    driver.get(url)


def script_errors():
    """Uncaught exceptions and console errors since the page was opened."""
    return [entry['message'] for entry in driver.get_log('browser') if entry['level'] == 'SEVERE']


def navigation_problems(url, resolved):
    """Go on each option of a fresh page: the prompts must leave the page where it is, every link must lead to its
    address resolved against the page. The server tells which pages were asked for."""
    for index in range(len(answers.links) + 2):
        open_page(url)
        options = len(driver.find_elements(By.CSS_SELECTOR, 'select[name=select1] option'))
        if options != len(answers.links) + 2:
            yield 'navigation', f'{options} options to choose from'
            return
        navigations.clear()
        Select(driver.find_element(By.CSS_SELECTOR, 'select[name=select1]')).select_by_index(index)
        driver.find_element(By.CSS_SELECTOR, 'input[type=button][value=Go]').click()
        if index < 2:
            # Nothing is to happen, so there is nothing to wait for but a time in which it would have.
            time.sleep(0.3)
            if navigations or driver.current_url != url:
                yield 'navigation', f'prompt option {index} went to {", ".join(navigations) or driver.current_url}'
        else:
            expected = resolved[index - 2]
            try:
                WebDriverWait(driver, 5, poll_frequency=0.05).until(lambda d: d.current_url == expected)
            except TimeoutException:
                pass
            if driver.current_url != expected or navigations != [expected]:
                yield 'navigation', (f'option {index} went to {driver.current_url} (asked for '
                                     f'{", ".join(navigations) or "nothing"}), not {expected}')


def check(case, charset, spoiling='saved'):
    begun = time.monotonic()
    url = f'{origin}/{charset.name}/{quote(spoiling, safe="")}/{case.file}'
    open_page(url)
    shown = read_page()
    found = list(problems(case, charset, shown, script_errors()))
    # Go does the same whatever the charset: the addresses it reads are checked under each above.
    if case.menu and charset.name == 'none':
        found += navigation_problems(url, shown.resolved)
    timings.append((f'{case.file} {charset.name}', round((time.monotonic() - begun) * 1000)))
    return found, shown.characterSet


def screenshot(path):
    size = driver.execute_cdp_cmd('Page.getLayoutMetrics', {})['cssContentSize']
    clip = {'x': 0, 'y': 0, 'width': size['width'], 'height': size['height'], 'scale': 1}
    shot = driver.execute_cdp_cmd('Page.captureScreenshot', {'format': 'png', 'captureBeyondViewport': True,
                                                             'clip': clip})
    path.write_bytes(base64.b64decode(shot['data']))


def check_all():
    failures = 0
    for case in answers.cases:
        for charset in CHARSETS:
            found, read_as = check(case, charset)
            failures += len(found)
            print(f'{"FAIL" if found else "ok  "} {case.file} served with {charset.content_type}, read as {read_as}')
            for name, message in found:
                print(f'     {name}: {message}')
            if shot_folder and case.image and charset.name == 'none':
                open_page(f'{origin}/none/saved/{case.file}')
                shot_folder.mkdir(parents=True, exist_ok=True)
                screenshot(shot_folder / Path(case.file).with_suffix('.png'))
    for name, spoiling in SPOILINGS.items():
        case = next(c for c in answers.cases if c.file == spoiling.file)
        found, _ = check(case, next(c for c in CHARSETS if c.name == spoiling.charset), name)
        caught = any(check_name == spoiling.caught_by for check_name, _ in found)
        failures += 0 if caught else 1
        print(f'{"ok  " if caught else "FAIL"} spoiled "{name}" in {case.file}: ' +
              (f'caught by {spoiling.caught_by}' if caught else
               f'not caught by {spoiling.caught_by} (found: {", ".join(n for n, _ in found) or "nothing"})'))
    return failures


def start_browser(profile):
    options = webdriver.ChromeOptions()
    options.binary_location = '/usr/bin/chromium'
    for flag in ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
                 '--disable-background-networking', '--disable-component-update', '--disable-sync',
                 f'--user-data-dir={profile}',
                 # The absolute link leads off this machine: the server answers it, so that Go can be seen arriving.
                 # The loopback address goes straight to the server; no name is ever looked up.
                 f'--proxy-server={origin}', '--host-resolver-rules=MAP * ~NOTFOUND, EXCLUDE 127.0.0.1']:
        options.add_argument(flag)
    options.set_capability('goog:loggingPrefs', {'browser': 'ALL'})
    browser = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)
    browser.set_page_load_timeout(5)
    browser.set_script_timeout(5)
    browser.execute_cdp_cmd('Emulation.setDeviceMetricsOverride',
                            {'width': 900, 'height': 400, 'deviceScaleFactor': 1, 'mobile': False})
    return browser


# A test runner stopping the check still closes the browser.
signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
started = time.monotonic()
timings = []
server = ThreadingHTTPServer(('127.0.0.1', 0), Server)
threading.Thread(target=server.serve_forever, daemon=True).start()
origin = f'http://127.0.0.1:{server.server_port}'
try:
    with tempfile.TemporaryDirectory(prefix='check_pages.', ignore_cleanup_errors=True) as profile:
        driver = start_browser(profile)
        try:
            failures = check_all()
        finally:
            driver.quit()
finally:
    server.shutdown()

if os.environ.get('CHECK_PAGES_TIMES'):
    print('\n'.join(f'{t} ms {n}' for n, t in timings))
print(f'{f"{failures} failure(s)" if failures else "all pages as typed"} in {time.monotonic() - started:.1f} s')
sys.exit(1 if failures else 0)
