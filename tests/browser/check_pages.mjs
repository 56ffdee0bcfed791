// Opens the pages that make_pages saved in headless Chromium, served from a loopback HTTP server, and checks what
// the browser makes of them: no script error, the jump menu and its Go button, where the page image stands, the body
// colours, and the typed text under each charset a server may announce. Then it serves the same pages spoiled in
// known ways and requires each spoiling to be caught, so that no check passes for want of looking.
//
//   node check_pages.mjs <pages folder> [screenshot folder]     (CHECK_PAGES_TIMES=1 adds the time of each page)

import { chromium } from 'playwright-core';
import fs from 'node:fs/promises';
import http from 'node:http';
import path from 'node:path';

const [pagesFolder, shotFolder] = process.argv.slice(2);
if (!pagesFolder) {
    console.error('usage: node check_pages.mjs <pages folder> [screenshot folder]');
    process.exit(2);
}
const answers = JSON.parse(await fs.readFile(path.join(pagesFolder, 'answers.json'), 'utf8'));

// How the server labels the page: the Content-Type it sends, and the encoding the browser must then report.
const charsets = [
    { name: 'utf-8', contentType: 'text/html; charset=utf-8', expected: 'UTF-8' },
    { name: 'windows-1252', contentType: 'text/html; charset=windows-1252', expected: 'windows-1252' },
    { name: 'none', contentType: 'text/html', expected: null },
];

// Each spoils a saved page the way a fault in the writer or the file writing would, and names the check that must
// catch it.
const numericReference = /&#(\d+);/g;
const spoilings = {
    'as typed, not as references': {
        file: 'basic_style_anchors_image.htm', charset: 'windows-1252', caughtBy: 'text',
        spoil: (text) => text.replace(numericReference, (_, code) => String.fromCodePoint(Number(code))),
    },
    'apostrophe not escaped in the menu': {
        file: 'basic_image_left_menu_image.htm', charset: 'utf-8', caughtBy: 'script',
        spoil: (text) => text.replaceAll("\\'", "'"),
    },
    'Go follows the prompt options': {
        file: 'table_image_right_menu_noimage.htm', charset: 'none', caughtBy: 'navigation',
        spoil: (text) => text.replace('!= "none"', '!= "nothing"'),
    },
    'a link option lost': {
        file: 'table_image_left_menu_image.htm', charset: 'none', caughtBy: 'links',
        spoil: (text) => text.replace(/^document\.write\('<option value="about.*\r\n/m, ''),
    },
    'image on the other side': {
        file: 'basic_image_left_anchors_image.htm', charset: 'utf-8', caughtBy: 'image',
        spoil: (text) => text.replace('ALIGN="LEFT"', 'ALIGN="RIGHT"'),
    },
    'centred image above the text': {
        file: 'basic_style_menu_image.htm', charset: 'utf-8', caughtBy: 'image',
        spoil: (text) => {
            const image = text.match(/<!-- Image -->\r\n.*\r\n/)[0];
            return text.replace(image, '').replace('<!-- Page Text -->', image + '<!-- Page Text -->');
        },
    },
    'image moved into the text column': {
        file: 'table_image_right_anchors_image.htm', charset: 'utf-8', caughtBy: 'image',
        spoil: (text) => {
            const image = text.match(/<!-- Image -->\r\n.*\r\n/)[0];
            return text.replace(image, '').replace('<TD VALIGN="TOP">\r\n', '<TD VALIGN="TOP">\r\n' + image);
        },
    },
    'text colour dropped': {
        file: 'table_image_left_anchors_noimage.htm', charset: 'utf-8', caughtBy: 'colours',
        spoil: (text) => text.replace(/ TEXT="#[0-9A-F]{6}"/, ''),
    },
};

const savedFiles = new Set(answers.cases.map((c) => c.file).concat([answers.backgroundImage, answers.pageImage]));
const pictureTypes = { '.gif': 'image/gif', '.jpg': 'image/jpeg' };

// /<charset>/<spoiling or "saved">/<file>; anything else is a page that a link leads to.
const server = http.createServer(async (request, response) => {
    const [, charsetName, spoilingName, ...rest] = decodeURIComponent(new URL(request.url, 'http://x').pathname).split('/');
    const file = rest.join('/');
    const charset = charsets.find((c) => c.name === charsetName);
    if (!charset || !savedFiles.has(file)) {
        response.writeHead(200, { 'Content-Type': 'text/html; charset=utf-8' });
        response.end('<p>arrived</p>');
        return;
    }
    let bytes = await fs.readFile(path.join(pagesFolder, file));
    const picture = pictureTypes[path.extname(file)];
    if (!picture && spoilingName !== 'saved')
        bytes = Buffer.from(spoilings[spoilingName].spoil(bytes.toString('latin1')), 'utf8');
    response.writeHead(200, { 'Content-Type': picture ?? charset.contentType });
    response.end(bytes);
});
await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
const origin = `http://127.0.0.1:${server.address().port}`;

const browser = await chromium.launch({
    executablePath: '/usr/bin/chromium',
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
        '--disable-background-networking', '--disable-component-update', '--disable-sync'],
});
const context = await browser.newContext({ viewport: { width: 900, height: 400 } });
// The absolute link leads off this machine: answer it here, so that Go can be seen arriving.
await context.route((url) => url.hostname !== '127.0.0.1',
    (route) => route.fulfill({ contentType: 'text/html', body: '<p>arrived</p>' }));
const page = await context.newPage();
page.setDefaultTimeout(5000);
let scriptErrors = [];
page.on('pageerror', (error) => scriptErrors.push(error.message));
page.on('console', (message) => message.type() === 'error' && scriptErrors.push(message.text()));

const rgb = (hex) => `rgb(${[1, 3, 5].map((i) => parseInt(hex.slice(i, i + 2), 16)).join(', ')})`;
const near = (a, b, tolerance = 1.5) => Math.abs(a - b) <= tolerance;

// Everything the page shows, read in one go.
const readPage = (textStart) => page.evaluate(async (textStart) => {
    const box = (r) => ({ left: r.left, right: r.right, top: r.top, bottom: r.bottom, width: r.width, height: r.height });
    const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
    let textNode = null;
    while (!textNode && walker.nextNode())
        if (walker.currentNode.data.includes(textStart))
            textNode = walker.currentNode;
    const range = document.createRange();
    if (textNode)
        range.selectNodeContents(textNode);
    const cells = [...document.querySelectorAll('td')];
    const images = [...document.images];
    const bodyStyle = getComputedStyle(document.body);
    const form = document.forms.selecter;
    // The tiled picture has no element of its own; decoding it tells whether the browser can show it.
    const background = new Image();
    background.src = document.body.background;
    const backgroundWidth = await background.decode().then(() => background.naturalWidth, () => 0);
    return {
        backgroundWidth,
        characterSet: document.characterSet,
        title: document.title,
        headings: [...document.querySelectorAll('h1,h2,h3,h4,h5,h6')].map((h) => ({ level: Number(h.tagName[1]), text: h.textContent })),
        lines: document.body.innerText.split('\n').map((line) => line.trim()),
        bullets: [...document.querySelectorAll('ul li')].map((li) => li.textContent.trim()),
        anchors: [...document.querySelectorAll('a')].map((a) => ({ address: a.getAttribute('href'), href: a.href, text: a.textContent, color: getComputedStyle(a).color })),
        options: form ? [...form.select1.options].map((o) => ({ value: o.value, text: o.text })) : null,
        goButtons: [...document.querySelectorAll('input[type=button]')].map((b) => b.value),
        bodyBox: box(document.body.getBoundingClientRect()),
        bodyBackground: bodyStyle.backgroundColor,
        bodyBackgroundImage: bodyStyle.backgroundImage,
        bodyText: bodyStyle.color,
        bodyLinkAttributes: [document.body.link, document.body.vLink, document.body.aLink],
        textLines: textNode ? [...range.getClientRects()].map(box) : [],
        textCell: textNode ? cells.indexOf(textNode.parentElement.closest('td')) : -1,
        images: images.map((i) => ({ src: i.getAttribute('src'), loaded: i.complete && i.naturalWidth, cell: cells.indexOf(i.closest('td')), ...box(i.getBoundingClientRect()) })),
        firstBulletTop: document.querySelector('ul') ? document.querySelector('ul').getBoundingClientRect().top : null,
    };
}, textStart);

// Where the image must stand, given the page as read.
const imagePlaces = {
    basic_style: (image, text, shown) => {
        const last = text.at(-1);
        return near((image.left + image.right) / 2, (shown.bodyBox.left + shown.bodyBox.right) / 2) &&
            image.top >= last.bottom && image.bottom <= shown.firstBulletTop ||
            `not centred below the text and above the bullets`;
    },
    basic_image_left: (image, text, shown) =>
        near(image.left, shown.bodyBox.left + 5) && text[0].left >= image.right && text[0].top < image.bottom ||
        'not at the left margin with the text beside it',
    basic_image_right: (image, text, shown) =>
        near(image.right, shown.bodyBox.right - 5) && text[0].right <= image.left && text[0].top < image.bottom ||
        'not at the right margin with the text beside it',
    table_image_left: (image, text, shown) =>
        image.cell === 0 && shown.textCell === 1 && image.right <= Math.min(...text.map((t) => t.left)) ||
        'not in the left column, left of the text',
    table_image_right: (image, text, shown) =>
        image.cell === 1 && shown.textCell === 0 && image.left >= Math.max(...text.map((t) => t.right)) ||
        'not in the right column, right of the text',
};

function* problems(c, charset, shown) {
    const a = answers;
    if (scriptErrors.length)
        yield ['script', scriptErrors.join(' | ')];
    if (charset.expected && shown.characterSet !== charset.expected)
        yield ['charset', `read as ${shown.characterSet}`];

    const heading = shown.headings.find((h) => h.level === a.headingLevel);
    const missing = [
        shown.title !== a.title && `title ${JSON.stringify(shown.title)}`,
        heading?.text !== a.heading && `heading ${JSON.stringify(heading?.text)}`,
        ...a.textLines.filter((line) => !shown.lines.includes(line)).map((line) => `text line ${JSON.stringify(line)}`),
        JSON.stringify(shown.bullets) !== JSON.stringify(a.bullets) && `bullets ${JSON.stringify(shown.bullets)}`,
    ].filter(Boolean);
    if (missing.length)
        yield ['text', `not as typed: ${missing.join('; ')}`];

    const typed = a.links.map((l) => ({ value: l.address, text: l.description }));
    if (c.menu) {
        const prompts = [{ value: 'none', text: 'Select your destination' }, { value: 'none', text: '-'.repeat(20) }];
        if (JSON.stringify(shown.options) !== JSON.stringify(prompts.concat(typed)) || shown.goButtons.join() !== 'Go')
            yield ['links', `menu ${JSON.stringify(shown.options)}, buttons ${JSON.stringify(shown.goButtons)}`];
    } else {
        const links = shown.anchors.slice(0, a.links.length);
        const base = page.url();
        const wrong = links.filter((l, i) => l.address !== a.links[i].address || l.text !== a.links[i].description ||
            l.href !== new URL(a.links[i].address, base).href);
        if (shown.options || links.length < a.links.length || wrong.length)
            yield ['links', `anchors ${JSON.stringify(shown.anchors)}`];
    }
    const mail = shown.anchors.find((l) => l.address.startsWith('mailto:'));
    if (mail?.address !== `mailto:${a.email}` || mail?.text !== a.email)
        yield ['text', `e-mail anchor ${JSON.stringify(mail)}`];

    const [background, text, link, visited, active] = a.colours;
    const wrongColours = [
        shown.bodyBackground !== rgb(background) && `background ${shown.bodyBackground}`,
        shown.bodyText !== rgb(text) && `text ${shown.bodyText}`,
        shown.anchors.some((l) => l.color !== rgb(link)) && `links ${[...new Set(shown.anchors.map((l) => l.color))]}`,
        shown.bodyLinkAttributes.join().toUpperCase() !== [link, visited, active].join() &&
            `link attributes ${shown.bodyLinkAttributes}`,
        (!shown.bodyBackgroundImage.endsWith(`/${a.backgroundImage}")`) || !shown.backgroundWidth) &&
            `background image ${shown.bodyBackgroundImage}, ${shown.backgroundWidth} pixels wide`,
    ].filter(Boolean);
    if (wrongColours.length)
        yield ['colours', wrongColours.join('; ')];

    if (!c.image) {
        if (shown.images.length)
            yield ['image', `an image where none was chosen: ${JSON.stringify(shown.images)}`];
    } else if (shown.images.length !== 1 || shown.textLines.length === 0) {
        yield ['image', `${shown.images.length} images, ${shown.textLines.length} text lines found`];
    } else {
        const [image] = shown.images;
        if (image.src !== a.pageImage || image.loaded !== a.imageWidth || image.width !== a.imageWidth || image.height !== a.imageHeight)
            yield ['image', `not the chosen picture at its size: ${JSON.stringify(image)}`];
        const place = imagePlaces[c.layout](image, shown.textLines, shown);
        if (place !== true)
            yield ['image', `${place}: image ${JSON.stringify(image)}, text lines ${JSON.stringify(shown.textLines)}`];
    }
}

async function open(url) {
    scriptErrors = [];
    await page.goto(url, { waitUntil: 'load' });
}

// Go on each option of a fresh page: the prompts must leave the page where it is, every link must lead to its
// address resolved against the page.
async function* navigationProblems(url) {
    for (let index = 0; index < answers.links.length + 2; ++index) {
        await open(url);
        const options = await page.$$eval('select[name=select1] option', (all) => all.length);
        if (options !== answers.links.length + 2) {
            yield ['navigation', `${options} options to choose from`];
            return;
        }
        const requests = [];
        const record = (request) => request.isNavigationRequest() && requests.push(request.url());
        page.on('request', record);
        await page.selectOption('select[name=select1]', { index });
        await page.click('input[type=button][value=Go]');
        if (index < 2) {
            // Nothing is to happen, so there is nothing to wait for but a time in which it would have.
            await page.waitForTimeout(300);
            if (requests.length || page.url() !== url)
                yield ['navigation', `prompt option ${index} went to ${requests.join(', ') || page.url()}`];
        } else {
            const expected = new URL(answers.links[index - 2].address, url).href;
            await page.waitForURL(expected, { timeout: 5000 }).catch(() => {});
            if (page.url() !== expected)
                yield ['navigation', `option ${index} went to ${page.url()}, not ${expected}`];
        }
        page.off('request', record);
    }
}

async function check(c, charset, spoiling = 'saved') {
    const begun = Date.now();
    const url = `${origin}/${charset.name}/${encodeURIComponent(spoiling)}/${c.file}`;
    await open(url);
    const shown = await readPage(answers.textLines[0].slice(0, 20));
    const found = [...problems(c, charset, shown)];
    // Go does the same whatever the charset: the addresses it reads are checked under each above.
    if (c.menu && charset.name === 'none')
        for await (const problem of navigationProblems(url))
            found.push(problem);
    timings.push([`${c.file} ${charset.name}`, Date.now() - begun]);
    return { found, readAs: shown.characterSet };
}

const started = Date.now();
const timings = [];
let failures = 0;
for (const c of answers.cases) {
    for (const charset of charsets) {
        const { found, readAs } = await check(c, charset);
        failures += found.length;
        console.log(`${found.length ? 'FAIL' : 'ok  '} ${c.file} served with ${charset.contentType}, read as ${readAs}`);
        for (const [name, message] of found)
            console.log(`     ${name}: ${message}`);
        if (shotFolder && c.image && charset.name === 'none') {
            await open(`${origin}/${charset.name}/saved/${c.file}`);
            await fs.mkdir(shotFolder, { recursive: true });
            await page.screenshot({ path: path.join(shotFolder, c.file.replace(/\.htm$/, '.png')), fullPage: true });
        }
    }
}
for (const [name, spoiling] of Object.entries(spoilings)) {
    const c = answers.cases.find((each) => each.file === spoiling.file);
    const { found } = await check(c, charsets.find((each) => each.name === spoiling.charset), name);
    const caught = found.some(([check]) => check === spoiling.caughtBy);
    failures += caught ? 0 : 1;
    console.log(`${caught ? 'ok  ' : 'FAIL'} spoiled "${name}" in ${c.file}: ` +
        (caught ? `caught by ${spoiling.caughtBy}` : `not caught by ${spoiling.caughtBy} (found: ${found.map(([n]) => n).join(', ') || 'nothing'})`));
}

if (process.env.CHECK_PAGES_TIMES)
    console.log(timings.map(([n, t]) => `${t} ms ${n}`).join('\n'));
await browser.close();
server.close();
console.log(`${failures ? `${failures} failure(s)` : 'all pages as typed'} in ${((Date.now() - started) / 1000).toFixed(1)} s`);
process.exit(failures ? 1 : 0);
