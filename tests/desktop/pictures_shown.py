#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Opens a page in headless Chromium and says whether its pictures show: every IMG and the BODY's background
picture must load with a natural width above zero. Prints each picture's address and width.

    /usr/bin/python3 pictures_shown.py <page address> <number of pictures expected> [screenshot file]
"""
import sys
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

address, expected = sys.argv[1], int(sys.argv[2])
# The background picture is no element of its own: it is loaded as one, from the address the page gives.
MEASURE = '''
const done = arguments[arguments.length - 1];
const sources = Array.from(document.images, image => image.src);
const background = document.body.getAttribute('background');
if (background) sources.push(new URL(background, document.baseURI).href);
Promise.all(sources.map(source => new Promise(resolve => {
    const picture = new Image();
    picture.onload = () => resolve([source, picture.naturalWidth]);
    picture.onerror = () => resolve([source, 0]);
    picture.src = source;
}))).then(done);
'''

with tempfile.TemporaryDirectory() as profile:
    options = webdriver.ChromeOptions()
    options.binary_location = '/usr/bin/chromium'
    for flag in ['--headless', '--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
                 '--disable-component-update', '--disable-sync', f'--user-data-dir={profile}',
                 '--host-resolver-rules=MAP * ~NOTFOUND']:
        options.add_argument(flag)
    browser = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)
    try:
        browser.set_page_load_timeout(10)
        browser.set_script_timeout(10)
        browser.get(address)
        widths = browser.execute_async_script(MEASURE)
        if len(sys.argv) > 3:
            browser.set_window_size(600, 420)
            browser.save_screenshot(sys.argv[3])
    finally:
        browser.quit()

for source, width in widths:
    print(f'{source}: natural width {width}')
if len(widths) != expected or any(width <= 0 for _, width in widths):
    print(f'FAIL: {expected} pictures expected to show, {sum(w > 0 for _, w in widths)} of {len(widths)} did')
    sys.exit(1)
