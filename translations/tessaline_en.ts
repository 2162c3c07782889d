<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>ChartTexts</name>
    <message>
        <source>我的绣图</source>
        <translation>My pattern</translation>
    </message>
    <message>
        <source>绣线:%1  颜色数：%2   宽x高：%3x%4</source>
        <translation>Thread: %1  Colors: %2   Width x height: %3x%4</translation>
    </message>
    <message>
        <source>符号</source>
        <translation>Sym</translation>
    </message>
    <message>
        <source>线号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>Qty</translation>
    </message>
    <message>
        <source>注:全部线量总和为%1，线量不是某种长度单位，只是用来说明各颜色线所占比例.</source>
        <translation>Note: the amounts total %1. They show each color&apos;s share, not a length.</translation>
    </message>
    <message>
        <source>图中的符号代表了绣线颜色，这样就可以方便的绣图</source>
        <translation>Each symbol stands for one thread color.</translation>
    </message>
    <message>
        <source>Tessaline V2008 十字绣图</source>
        <translation>Tessaline V2008 cross-stitch pattern</translation>
    </message>
    <message>
        <source>正在生成打印文档，请等待....</source>
        <translation>Preparing the printout, please wait....</translation>
    </message>
    <message>
        <source>正在绘制网格，请等待....</source>
        <translation>Drawing the grid, please wait....</translation>
    </message>
    <message>
        <source>正在绘制绣线表格，请等待....</source>
        <translation>Drawing the thread table, please wait....</translation>
    </message>
    <message>
        <source>正在绘制绣线符号，请等待....</source>
        <translation>Drawing the thread symbols, please wait....</translation>
    </message>
    <message>
        <source>* 针数少于可忽略数的绣线：排在其他绣线之后，绣图上照样要绣。</source>
        <translation>* Threads with fewer stitches than the ignore count: listed after the others; stitch them as charted.</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>无法创建工作文件夹：</source>
        <translation>Cannot create the working folder: </translation>
    </message>
    <message>
        <source>绣图和效果图片将保存在：</source>
        <translation>Patterns and effect pictures will be saved in: </translation>
    </message>
    <message>
        <source>这个文件夹也无法写入，绣图和效果图片无法保存：</source>
        <translation>This folder cannot be written either, so patterns and effect pictures cannot be saved: </translation>
    </message>
</context>
<context>
    <name>PatternBook</name>
    <message>
        <source>尺寸：%1 × %2 针</source>
        <translation>Size: %1 × %2 stitches</translation>
    </message>
    <message>
        <source>绣线：%1 种&#x3000;&#x3000;针数：%2 针</source>
        <translation>Threads: %1 colors    Stitches: %2</translation>
    </message>
    <message>
        <source>成品尺寸：</source>
        <translation>Finished size:</translation>
    </message>
    <message>
        <source>%1 格布：%2 × %3 厘米（%4 × %5 英寸）</source>
        <translation>%1-count fabric: %2 × %3 cm (%4 × %5 in)</translation>
    </message>
    <message>
        <source>第 %1–%2 列，第 %3–%4 行</source>
        <translation>Columns %1–%2, rows %3–%4</translation>
    </message>
    <message>
        <source>%1 — 绣线表</source>
        <translation>%1 — Thread key</translation>
    </message>
    <message>
        <source>符号</source>
        <translation>Sym</translation>
    </message>
    <message>
        <source>色块</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>针数</source>
        <translation>Stitches</translation>
    </message>
    <message>
        <source>支数</source>
        <translation>Skeins</translation>
    </message>
    <message>
        <source>第 %1 页 / 共 %2 页</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>%1 纱亚麻或十字布，跨两纱绣（每英寸 %2 针）</source>
        <translation>%1-count evenweave or linen, stitched over two (%2 stitches to the inch)</translation>
    </message>
    <message>
        <source>%1 格布</source>
        <translation>%1-count fabric</translation>
    </message>
    <message>
        <source>%1：%2 × %3 厘米（%4 × %5 英寸）</source>
        <translation>%1: %2 × %3 cm (%4 × %5 in)</translation>
    </message>
    <message>
        <source>图表：%1 页，每格 %2 毫米；用线按 %3、%4 股线计算</source>
        <translation>Chart: %1 pages, %2 mm a stitch; thread for %3, %4 strands</translation>
    </message>
    <message>
        <source>%1，%2 股线</source>
        <translation>%1, %2 strands</translation>
    </message>
    <message>
        <source>线号和颜色</source>
        <translation>Thread and color</translation>
    </message>
    <message>
        <source>支数：每个十字每股用线 (2×√2 + 2) × 25.4 ÷ %1 毫米（正面两条对角线，背面两条边），乘以针数和 %2 股，加 %3% 背面走线和起针收针的余量；每支绣线 8 米 × 6 股，向上取整：约 %4 针用一支（参照 Stitchmate 线量计算器与 Brodette 的估算）。</source>
        <translation>Skeins: each cross takes (2×√2 + 2) × 25.4 ÷ %1 mm of thread per strand (two diagonals on the front, two sides on the back), times the stitches and %2 strands, plus %3% for the thread on the back, starting and finishing; a skein holds 8 m × 6 strands, rounded up: about %4 stitches a skein (after the Stitchmate thread calculator and Brodette’s estimate).</translation>
    </message>
    <message>
        <source>第 %1 列</source>
        <translation>column %1</translation>
    </message>
    <message>
        <source>第 %1 与 %2 列之间</source>
        <translation>between columns %1 and %2</translation>
    </message>
    <message>
        <source>第 %1 行</source>
        <translation>row %1</translation>
    </message>
    <message>
        <source>第 %1 与 %2 行之间</source>
        <translation>between rows %1 and %2</translation>
    </message>
    <message>
        <source>中心：%1，%2（图表页边上的箭头所指）</source>
        <translation>Center: %1, %2 (the arrows at the chart pages’ edges)</translation>
    </message>
</context>
<context>
    <name>PrintChart</name>
    <message>
        <source>这张图上每格只有%1毫米，符号很难看清；要清楚的绣图，请用“保存图册”把绣图按看得清的大小分页印出，或缩小绣图尺寸，或用“局部”把图片分成几块分别生成。</source>
        <translation>Each cell of this chart is only %1 mm wide, too small to read the symbols well. For a clear chart, print it over several pages at a readable size with “Save book”, make the pattern smaller, or use Part to chart the picture in several pieces.</translation>
    </message>
</context>
<context>
    <name>Workspace</name>
    <message>
        <source>绣布：宽高%1x%2(约%3x%4厘米)</source>
        <translation>Fabric: %1x%2 stitches, about %3x%4 cm</translation>
    </message>
</context>
<context>
    <name>tessaline::DocumentWindow</name>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>无法显示帮助文档：%1</source>
        <translation>Cannot show the help document: %1</translation>
    </message>
</context>
<context>
    <name>tessaline::Form1</name>
    <message>
        <source>我的图片</source>
        <translation>My picture</translation>
    </message>
    <message>
        <source>绣布：宽高156x221 </source>
        <translation>Fabric: 156 x 221 stitches </translation>
    </message>
    <message>
        <source>欢迎使用Tessaline，动手把你的照片做成十字绣！</source>
        <translation>Welcome to Tessaline! Turn your own photos into cross-stitch patterns.</translation>
    </message>
    <message>
        <source>导入图片</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>绣图图库</source>
        <translation>Gallery</translation>
    </message>
    <message>
        <source>绣图设置</source>
        <translation>Pattern settings</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>局部</source>
        <translation>Part</translation>
    </message>
    <message>
        <source>全图</source>
        <translation>Whole</translation>
    </message>
    <message>
        <source>还原</source>
        <translation>1:1</translation>
    </message>
    <message>
        <source>保存效果</source>
        <translation>Save image</translation>
    </message>
    <message>
        <source>效果预览-&gt;</source>
        <translation>Preview -&gt;</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>在这里输入你的文字</source>
        <translation>Type your text here</translation>
    </message>
    <message>
        <source>超级减色</source>
        <translation>Reduction</translation>
    </message>
    <message>
        <source>生成</source>
        <translation>Generate</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>放大</source>
        <translation>Zoom+</translation>
    </message>
    <message>
        <source>放大预览图片。</source>
        <translation>Show the preview picture larger.</translation>
    </message>
    <message>
        <source>缩小</source>
        <translation>Zoom-</translation>
    </message>
    <message>
        <source>缩小预览图片</source>
        <translation>Show the preview picture smaller</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>给绣图加入文字</source>
        <translation>Add your own text to the pattern</translation>
    </message>
    <message>
        <source>字体选择</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>字体颜色</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>File</translation>
    </message>
    <message>
        <source>导入图片文件</source>
        <translation>Import picture file...</translation>
    </message>
    <message>
        <source>直接屏幕截图</source>
        <translation>Capture the screen</translation>
    </message>
    <message>
        <source>生成我的绣图</source>
        <translation>Generate my pattern</translation>
    </message>
    <message>
        <source>打印绣图</source>
        <translation>Print pattern</translation>
    </message>
    <message>
        <source>退出Tessaline</source>
        <translation>Exit Tessaline</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>软件设置</source>
        <translation>Program settings</translation>
    </message>
    <message>
        <source>关于...</source>
        <translation>About...</translation>
    </message>
    <message>
        <source>增加颜色，得到更逼真效果。需要更多绣线</source>
        <translation>More colors give a more lifelike result, but need more threads.</translation>
    </message>
    <message>
        <source>只要10种颜色就可以绣出照片般效果，大大节约绣线。这就是Quillmere的神奇科技!</source>
        <translation>Just 10 colors can stitch a photo-like picture, saving lots of thread. That&apos;s Quillmere&apos;s magic!</translation>
    </message>
    <message>
        <source>加入文字</source>
        <translation>Add text</translation>
    </message>
    <message>
        <source>绣图设置</source>
        <comment>button</comment>
        <translation>Settings</translation>
    </message>
    <message>
        <source>开始处理...</source>
        <translation>Working...</translation>
    </message>
    <message>
        <source>无法创建！</source>
        <translation>Cannot create the working picture!</translation>
    </message>
    <message>
        <source>不能识别的位图！</source>
        <translation>Unrecognized bitmap!</translation>
    </message>
    <message>
        <source>错误！</source>
        <translation>Error!</translation>
    </message>
    <message>
        <source>无法保存编辑用的图片：</source>
        <translation>Cannot save the picture for editing: </translation>
    </message>
    <message>
        <source>减色处理完毕</source>
        <translation>Color reduction done</translation>
    </message>
    <message>
        <source>无法保存绣图效果图：</source>
        <translation>Cannot save the effect picture: </translation>
    </message>
    <message>
        <source>原因：</source>
        <translation>Reason: </translation>
    </message>
    <message>
        <source>绣图效果图保存到</source>
        <translation>Effect picture saved as </translation>
    </message>
    <message>
        <source>   生成绣图前请先点击效果预览键    </source>
        <translation>   Please click Preview -&gt; before generating the pattern.    </translation>
    </message>
    <message>
        <source>Quillmere 你身边的好软件</source>
        <translation>Quillmere - good software at your side</translation>
    </message>
    <message>
        <source>无法截取屏幕：这个桌面不允许本程序读取屏幕画面。</source>
        <translation>Cannot capture the screen: this desktop does not let the program read the screen.</translation>
    </message>
    <message>
        <source>无法写入临时图片%1，请确认这个文件夹可以写入：%2</source>
        <translation>Cannot write the scratch picture %1. Please make sure this folder can be written to: %2</translation>
    </message>
    <message>
        <source>    绣图颜色太多，请减色后再生成。。。 </source>
        <translation>    The pattern has too many colors. Please reduce them before generating.    </translation>
    </message>
    <message>
        <source>Tessaline使用说明.mht</source>
        <translation>Tessaline User Guide.mht</translation>
    </message>
    <message>
        <source>使用说明</source>
        <translation>User guide</translation>
    </message>
    <message>
        <source>图片比取景框大，现在按原大小显示其中一部分：拖动图片可移动取景位置，点 全图 可使用整张图片。</source>
        <translation>The picture is larger than the frame: a part of it is shown at its own size. Drag the picture to move the part, or click Whole to use the whole picture.</translation>
    </message>
    <message>
        <source>编辑：在颜色替换窗口中替换颜色，点 完成 后再生成</source>
        <translation>Edit: replace colors in the color replacement window, click Done, then generate</translation>
    </message>
    <message>
        <source>打开绣图...</source>
        <translation>Open...</translation>
    </message>
    <message>
        <source>绣图正在生成，请等生成结束后再打开绣图</source>
        <translation>A pattern is being generated; open the pattern once it is done</translation>
    </message>
    <message>
        <source>打开绣图</source>
        <translation>Open pattern</translation>
    </message>
    <message>
        <source>OXS 绣图文件 (*.oxs *.OXS);;所有文件 (*)</source>
        <translation>OXS pattern files (*.oxs *.OXS);;All files (*)</translation>
    </message>
</context>
<context>
    <name>tessaline::Form2</name>
    <message>
        <source>导入图片</source>
        <translation>Import a picture</translation>
    </message>
    <message>
        <source>选择转换成绣图的图片或则照片：</source>
        <translation>Choose a picture or photo to stitch:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>tessaline::Form3</name>
    <message>
        <source>设置生成绣图的属性：</source>
        <translation>Pattern settings</translation>
    </message>
    <message>
        <source>绣线类别：</source>
        <translation>Thread brand:</translation>
    </message>
    <message>
        <source>减色方法：</source>
        <translation>Reduce colors:</translation>
    </message>
    <message>
        <source>绣格大小：</source>
        <translation>Grid size:</translation>
    </message>
    <message>
        <source>减色强度：</source>
        <translation>Merge strength:</translation>
    </message>
    <message>
        <source>更少的绣线</source>
        <translation>Fewer colors</translation>
    </message>
    <message>
        <source>更好的效果</source>
        <translation>Better look</translation>
    </message>
    <message>
        <source>自动减色功能：</source>
        <translation>Auto reduction:</translation>
    </message>
    <message>
        <source>绣图名称：</source>
        <translation>Pattern title:</translation>
    </message>
    <message>
        <source>最多绣线数：</source>
        <translation>Thread limit:</translation>
    </message>
    <message>
        <source>颜色匹配：</source>
        <translation>Color match:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>是</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>否</source>
        <translation>No</translation>
    </message>
    <message>
        <source>灰度图片</source>
        <translation>Grayscale picture</translation>
    </message>
    <message>
        <source>低分辨彩色图</source>
        <translation>Low-res color</translation>
    </message>
    <message>
        <source>高清黑白图片</source>
        <translation>High-res grayscale</translation>
    </message>
    <message>
        <source>高分辨彩色图</source>
        <translation>High-res color</translation>
    </message>
    <message>
        <source>不做减色处理</source>
        <translation>No color reduction</translation>
    </message>
    <message>
        <source>无限制</source>
        <translation>No limit</translation>
    </message>
    <message>
        <source>给你的绣图起个名字</source>
        <translation>Give your pattern a name</translation>
    </message>
    <message>
        <source>最多绣线数只能是“无限制”或 2 到 423 之间的整数</source>
        <translation>The thread limit must be “No limit” or a whole number from 2 to 423</translation>
    </message>
    <message>
        <source>绣格大小只能是整数，请重新输入</source>
        <translation>The grid size must be a whole number; please enter it again</translation>
    </message>
    <message>
        <source>减色强度只能是数字，请重新输入</source>
        <translation>The reduction strength must be a number; please enter it again</translation>
    </message>
    <message>
        <source>清理零散针</source>
        <translation>Clean up strays</translation>
    </message>
    <message>
        <source>每种线最少针数：</source>
        <translation>Min. stitches:</translation>
    </message>
    <message>
        <source>绣布颜色：</source>
        <translation>Fabric color:</translation>
    </message>
    <message>
        <source>也可以输入颜色，例如 #336699</source>
        <translation>A color can be typed too, such as #336699</translation>
    </message>
    <message>
        <source>背景不绣</source>
        <translation>Leave background bare</translation>
    </message>
    <message>
        <source>与绣布颜色的色差（ΔE2000）在此之内的格子不绣</source>
        <translation>Cells within this difference (ΔE2000) of the fabric color are left unstitched</translation>
    </message>
    <message>
        <source>照片推荐</source>
        <translation>For photos</translation>
    </message>
    <message>
        <source>照片用这些设置会有很多零散针，可点“照片推荐”。</source>
        <translation>A photo gets many lone stitches with these settings: try “For photos”.</translation>
    </message>
    <message>
        <source>白色</source>
        <translation>White</translation>
    </message>
    <message>
        <source>象牙白</source>
        <translation>Ivory</translation>
    </message>
    <message>
        <source>黑色</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>绣布颜色只能是白色、象牙白、黑色或 #RRGGBB 这样的颜色</source>
        <translation>The fabric color can only be white, ivory, black or a color such as #RRGGBB</translation>
    </message>
    <message>
        <source>最多绣线数也可选金属线等特殊绣线</source>
        <translation>Thread limit may pick metallic threads</translation>
    </message>
</context>
<context>
    <name>tessaline::Form4</name>
    <message>
        <source>==确定==</source>
        <translation>==OK==</translation>
    </message>
    <message>
        <source>Tessaline V2008 十字绣图案制作软件</source>
        <translation>Tessaline V2008 cross-stitch pattern maker</translation>
    </message>
</context>
<context>
    <name>tessaline::Form6</name>
    <message>
        <source>绣图图库</source>
        <translation>Gallery</translation>
    </message>
    <message>
        <source>动漫</source>
        <translation>Cartoons</translation>
    </message>
    <message>
        <source>美女</source>
        <translation>Portraits</translation>
    </message>
    <message>
        <source>汽车</source>
        <translation>Cars</translation>
    </message>
    <message>
        <source>星座</source>
        <translation>Zodiac</translation>
    </message>
    <message>
        <source>动物</source>
        <translation>Animals</translation>
    </message>
    <message>
        <source>风景</source>
        <translation>Scenery</translation>
    </message>
    <message>
        <source>艺术</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>应用Apply)</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>温馨提示：对于颜色数较少的卡通类图片，可以在 绣图设置-减色方式，选择-&apos;不做减色处理&apos;，且选择 局部，不要对图形做缩放处理。可得到最佳效果</source>
        <translation>Tip: for cartoons and other pictures with few colors, choose &apos;No color reduction&apos; as the reduction method in Settings, and use Part without zooming. That gives the best result.</translation>
    </message>
</context>
<context>
    <name>tessaline::Form7</name>
    <message>
        <source>Tessaline ---Quillmere软件quillmere inc.</source>
        <translation>Tessaline --- Quillmere software, quillmere inc.</translation>
    </message>
    <message>
        <source>生成</source>
        <translation>Generate</translation>
    </message>
    <message>
        <source>中止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save chart</translation>
    </message>
    <message>
        <source>保存PDF</source>
        <translation>Save PDF</translation>
    </message>
    <message>
        <source>最终效果预览</source>
        <translation>Final preview</translation>
    </message>
    <message>
        <source>可忽略颜色出现次数</source>
        <translation>Ignore colors below</translation>
    </message>
    <message>
        <source>减色设置：</source>
        <translation>Reduction:</translation>
    </message>
    <message>
        <source>更少的绣线</source>
        <translation>Fewer colors</translation>
    </message>
    <message>
        <source>更好的效果</source>
        <translation>Better look</translation>
    </message>
    <message>
        <source>显示全部色块</source>
        <translation>All colors</translation>
    </message>
    <message>
        <source>绣线数量：</source>
        <translation>Threads:</translation>
    </message>
    <message>
        <source>准备开始生成绣图,请等待约10秒 ...</source>
        <translation>Preparing the pattern, please wait about 10 seconds ...</translation>
    </message>
    <message>
        <source>输入有错误,只能是数字</source>
        <translation>Invalid input: numbers only</translation>
    </message>
    <message>
        <source>Quillmere软件</source>
        <translation>Quillmere software</translation>
    </message>
    <message>
        <source>请先点一次 生成 按钮，再进行最终效果预览</source>
        <translation>Please click Generate once before the final preview</translation>
    </message>
    <message>
        <source>Quillmere 你身边的好软件</source>
        <translation>Quillmere - good software at your side</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>  绣图文件保存失败，无法写入</source>
        <translation>  The chart could not be saved, cannot write </translation>
    </message>
    <message>
        <source>  绣图文件保存成功在</source>
        <translation>  The chart was saved as </translation>
    </message>
    <message>
        <source>请先点一次 生成 按钮，再保存PDF文件</source>
        <translation>Please click Generate once before saving the PDF file</translation>
    </message>
    <message>
        <source>  PDF文件保存失败，无法写入</source>
        <translation>  The PDF file could not be saved, cannot write </translation>
    </message>
    <message>
        <source>  绣图PDF文件保存成功在</source>
        <translation>  The pattern PDF was saved as </translation>
    </message>
    <message>
        <source>请先点一次 生成 按钮，再打印</source>
        <translation>Please click Generate once before printing</translation>
    </message>
    <message>
        <source>    打印异常，请确认您的打印机已经就绪。     </source>
        <translation>    Printing failed. Please make sure your printer is ready.     </translation>
    </message>
    <message>
        <source>原因：</source>
        <translation>Reason: </translation>
    </message>
    <message>
        <source>打印服务（CUPS）没有运行</source>
        <translation>the print scheduler (CUPS) is not running</translation>
    </message>
    <message>
        <source>没有默认打印机</source>
        <translation>there is no default printer</translation>
    </message>
    <message>
        <source>正在打印，请等待....</source>
        <translation>Printing, please wait....</translation>
    </message>
    <message>
        <source>打印..</source>
        <translation>Printing..</translation>
    </message>
    <message>
        <source>生成绣图色块</source>
        <translation>Color+symbols</translation>
    </message>
    <message>
        <source>无色块绣图</source>
        <translation>Symbols only</translation>
    </message>
    <message>
        <source>仅生成色块</source>
        <translation>Color only</translation>
    </message>
    <message>
        <source>保存OXS</source>
        <translation>Save OXS</translation>
    </message>
    <message>
        <source>请先点一次 生成 按钮，再保存OXS文件</source>
        <translation>Please click Generate once before saving the OXS file</translation>
    </message>
    <message>
        <source>  OXS文件保存失败，无法写入</source>
        <translation>  The OXS file could not be saved, cannot write </translation>
    </message>
    <message>
        <source>  绣图OXS文件保存成功在</source>
        <translation>  The pattern OXS was saved as </translation>
    </message>
    <message>
        <source>正在创建颜色索引......</source>
        <translation>Creating the color index......</translation>
    </message>
    <message>
        <source>正在计算颜色数目等信息......</source>
        <translation>Counting the colors and threads......</translation>
    </message>
    <message>
        <source>    绣图颜色太多，请先点 效果预览 进行减色后再生成。。。 </source>
        <translation>    The pattern has too many colors. Please click Preview -&gt; to reduce them before generating.    </translation>
    </message>
    <message>
        <source>保存图册</source>
        <translation>Save book</translation>
    </message>
    <message>
        <source>图册纸张</source>
        <translation>Paper</translation>
    </message>
    <message>
        <source>每格</source>
        <translation>Cell</translation>
    </message>
    <message>
        <source> 毫米</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>绣布</source>
        <translation>Aida</translation>
    </message>
    <message>
        <source>%1 格</source>
        <translation>%1 count</translation>
    </message>
    <message>
        <source>请先点一次 生成 按钮，再保存图册</source>
        <translation>Please click Generate once before saving the pattern book</translation>
    </message>
    <message>
        <source>正在生成图册，请等待....</source>
        <translation>Making the pattern book, please wait....</translation>
    </message>
    <message>
        <source>  图册文件保存失败，无法写入</source>
        <translation>  The pattern book could not be saved, cannot write </translation>
    </message>
    <message>
        <source>  绣图图册保存成功在</source>
        <translation>  The pattern book was saved as </translation>
    </message>
    <message>
        <source>保存效果图</source>
        <translation>Save look</translation>
    </message>
    <message>
        <source>请先点一次 生成 按钮，再保存效果图</source>
        <translation>Please click Generate once before saving the finished look</translation>
    </message>
    <message>
        <source>  效果图保存失败，无法写入</source>
        <translation>  The finished look could not be saved, cannot write </translation>
    </message>
    <message>
        <source>  绣图效果图保存成功在</source>
        <translation>  The finished look was saved as </translation>
    </message>
    <message>
        <source>打印内容</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>单页绣图</source>
        <translation>One-page chart</translation>
    </message>
    <message>
        <source>图册</source>
        <translation>Pattern book</translation>
    </message>
    <message>
        <source>请先点一次 生成 按钮，再保存绣图</source>
        <translation>Please click Generate once before saving the chart</translation>
    </message>
    <message>
        <source>绣图没有生成完（已中止），请再点一次 生成 按钮，生成完后再保存</source>
        <translation>The chart was not finished (it was stopped). Please click Generate again and save once it is finished</translation>
    </message>
    <message>
        <source>效果预览已经改变，这张绣图已过时。请再点一次 生成 按钮</source>
        <translation>The effect preview has changed since this chart was made. Please click Generate again</translation>
    </message>
    <message>
        <source>找不到绣图文件。</source>
        <translation>The pattern file was not found.</translation>
    </message>
    <message>
        <source>无法读取绣图文件。</source>
        <translation>The pattern file cannot be read.</translation>
    </message>
    <message>
        <source>绣图文件太大，无法打开。</source>
        <translation>The pattern file is too large to open.</translation>
    </message>
    <message>
        <source>这是文件夹，不是绣图文件。</source>
        <translation>This is a folder, not a pattern file.</translation>
    </message>
    <message>
        <source>这是特殊文件，不是绣图文件。</source>
        <translation>This is a special file, not a pattern file.</translation>
    </message>
    <message>
        <source>读取时绣图文件被改动了，请再打开一次。</source>
        <translation>The pattern file changed while it was read; open it again.</translation>
    </message>
    <message>
        <source>这不是 OXS 绣图文件（不是完好的 XML）。</source>
        <translation>This is not an OXS pattern file (it is not well-formed XML).</translation>
    </message>
    <message>
        <source>这不是 OXS 绣图文件（没有绣图的宽和高）。</source>
        <translation>This is not an OXS pattern file (it has no chart width and height).</translation>
    </message>
    <message>
        <source>绣图大小 %1 x %2 不在 1 x 1 到 1000 x 1000 之间。</source>
        <translation>The chart size %1 x %2 is not a size from 1 x 1 to 1000 x 1000.</translation>
    </message>
    <message>
        <source>绣图有 %1 x %2 格，超过了 320 x 320。</source>
        <translation>The chart is %1 x %2 cells, larger than the 320 x 320 a pattern can have.</translation>
    </message>
    <message>
        <source>有一针没有完整的 x、y 和 palindex。</source>
        <translation>A full stitch has no whole-number x, y and palindex.</translation>
    </message>
    <message>
        <source>第 %2 行第 %1 列的一针在绣图之外。</source>
        <translation>The stitch at column %1, row %2 lies outside the chart.</translation>
    </message>
    <message>
        <source>第 %2 行第 %1 列的一针用了调色板里没有的 %3 号。</source>
        <translation>The stitch at column %1, row %2 uses palette index %3, which the palette does not have.</translation>
    </message>
    <message>
        <source>调色板里有一项的编号不是 0 到 9999 的整数。</source>
        <translation>A palette item&apos;s index is not a whole number from 0 to 9999.</translation>
    </message>
    <message>
        <source>绣图颜色超过 500 种。</source>
        <translation>The pattern has more than 500 colours.</translation>
    </message>
    <message>
        <source>%1 条回针</source>
        <translation>%1 backstitches</translation>
    </message>
    <message>
        <source>%1 个半针</source>
        <translation>%1 half stitches</translation>
    </message>
    <message>
        <source>%1 个四分之一或四分之三针</source>
        <translation>%1 quarter and three-quarter stitches</translation>
    </message>
    <message>
        <source>%1 个法式结</source>
        <translation>%1 French knots</translation>
    </message>
    <message>
        <source>%1 颗珠子</source>
        <translation>%1 beads</translation>
    </message>
    <message>
        <source>%1 个其他装饰</source>
        <translation>%1 other ornaments</translation>
    </message>
    <message>
        <source>%1 个注释框</source>
        <translation>%1 comment boxes</translation>
    </message>
    <message>
        <source>%1没有导入。</source>
        <translation>%1 were not imported.</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 种混色线只取了第一种颜色。</source>
        <translation>%1 blended threads were read as their first colour.</translation>
    </message>
    <message>
        <source>%1 格重复出现，取最后一针。</source>
        <translation>%1 cells were stitched twice; the last stitch was kept.</translation>
    </message>
    <message>
        <source>不是 DMC 的绣线换成了最接近的 DMC 绣线：%1。</source>
        <translation>Threads that are not DMC threads became their nearest DMC thread: %1.</translation>
    </message>
    <message>
        <source>，</source>
        <translation>, </translation>
    </message>
    <message>
        <source>无法打开绣图文件“%1”：%2</source>
        <translation>Cannot open the pattern file &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>打开绣图</source>
        <translation>Open pattern</translation>
    </message>
</context>
<context>
    <name>tessaline::Form9</name>
    <message>
        <source>绣图颜色替换－用来减少绣图颜色</source>
        <translation>Replace colors - stitch the pattern with fewer thread colors</translation>
    </message>
    <message>
        <source>颜色总数：0 替换0处</source>
        <translation>Colors: 0  Replaced: 0</translation>
    </message>
    <message>
        <source>点击替换颜色</source>
        <translation>Click a color to replace it</translation>
    </message>
    <message>
        <source>目标颜色</source>
        <translation>Old color</translation>
    </message>
    <message>
        <source>数量：</source>
        <translation>Count:</translation>
    </message>
    <message>
        <source>替换颜色</source>
        <translation>New color</translation>
    </message>
    <message>
        <source>&lt;－替换</source>
        <translation>&lt;- Replace</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>颜色总数：%1  替换%2 处</source>
        <translation>Colors: %1  Replaced: %2</translation>
    </message>
    <message>
        <source>绣图正在生成，请等生成结束后再点 完成</source>
        <translation>The pattern is being generated; please click Done when it has finished</translation>
    </message>
    <message>
        <source>效果预览或图片已经改变，这个替换窗口已过时。请重新点 编辑 再替换颜色</source>
        <translation>The effect preview or the picture has changed since this window opened. Please click Edit again to replace colors</translation>
    </message>
</context>
<context>
    <name>tessaline::FrmPreview</name>
    <message>
        <source>本预览图使用实际绣线颜色绘制和绣图效果完全相同，为了取得客观效果，</source>
        <translation>This preview is drawn in the real thread colors and looks just like the stitched piece. For a fair impression,</translation>
    </message>
    <message>
        <source>请您离开电脑屏幕1-2米的距离观看</source>
        <translation>please view it from 1-2 meters away from the screen</translation>
    </message>
    <message>
        <source>（点击画面任意处或按 Esc 键关闭）</source>
        <translation>(click anywhere or press Esc to close)</translation>
    </message>
</context>
<context>
    <name>tessaline::PictureHandOver</name>
    <message>
        <source>   错误的图形文件，无法打开，请确认是jpg,gif,bmp格式中的一种   </source>
        <translation>   This picture file cannot be opened. Please make sure it is a JPG, GIF or BMP file.   </translation>
    </message>
</context>
<context>
    <name>tessaline::PictureLoader</name>
    <message>
        <source>找不到图片文件。</source>
        <translation>The picture file was not found.</translation>
    </message>
    <message>
        <source>无法读取图片文件。</source>
        <translation>The picture file cannot be read.</translation>
    </message>
    <message>
        <source>这不是可以打开的图片文件。</source>
        <translation>This is not a picture file that can be opened.</translation>
    </message>
    <message>
        <source>图片太大，无法打开。</source>
        <translation>The picture is too large to open.</translation>
    </message>
    <message>
        <source>图片文件已损坏，无法打开。</source>
        <translation>The picture file is damaged and cannot be opened.</translation>
    </message>
    <message>
        <source>这是文件夹，不是图片文件。</source>
        <translation>This is a folder, not a picture file.</translation>
    </message>
    <message>
        <source>这是特殊文件，不是图片文件。</source>
        <translation>This is a special file, not a picture file.</translation>
    </message>
</context>
<context>
    <name>tessaline::UserDialogs</name>
    <message>
        <source>字体选择</source>
        <translation>Choose a font</translation>
    </message>
    <message>
        <source>字体颜色</source>
        <translation>Font color</translation>
    </message>
</context>
</TS>
