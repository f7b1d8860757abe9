object Form1: TForm1
  Left = 0
  Top = 0
  BorderStyle = bsSingle
  Caption = 'Launcher'
  ClientHeight = 336
  ClientWidth = 354
  Color = 13744054
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  OnCreate = FormCreate
  object sPanel1: TPanel
    Left = 8
    Top = 8
    Width = 337
    Height = 257
    TabOrder = 0
    object WebBrowser1: TWebBrowser
      Left = 8
      Top = 8
      Width = 321
      Height = 217
      TabOrder = 0
    end
    object sGauge1: TGauge
      Left = 8
      Top = 232
      Width = 321
      Height = 18
      Enabled = False
      ForeColor = clBlack
      Progress = 0
      Suffix = '%'
    end
  end
  object sButton1: TButton
    Left = 272
    Top = 272
    Width = 75
    Height = 25
    Caption = 'Jogar'
    Default = True
    TabOrder = 1
    OnClick = sButton1Click
  end
  object sButton2: TButton
    Left = 96
    Top = 272
    Width = 75
    Height = 25
    Caption = 'Sobre'
    TabOrder = 2
    OnClick = sButton2Click
  end
  object sButton3: TButton
    Left = 184
    Top = 272
    Width = 75
    Height = 25
    Caption = 'Op'#231#245'es'
    TabOrder = 3
    OnClick = sButton3Click
  end
  object sButton4: TButton
    Left = 8
    Top = 272
    Width = 75
    Height = 25
    Caption = 'Sair'
    TabOrder = 4
    OnClick = sButton4Click
  end
  object sWebLabel1: TsWebLabel
    Left = 10
    Top = 301
    Width = 154
    Height = 13
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clHighlight
    Font.Height = -11
    Font.Name = 'Tahoma'
    Font.Style = []
    HoverFont.Charset = DEFAULT_CHARSET
    HoverFont.Color = clWindowText
    HoverFont.Height = -11
    HoverFont.Name = 'Tahoma'
    HoverFont.Style = []
  end
  object sStatusBar1: TStatusBar
    Left = 0
    Top = 317
    Width = 354
    Height = 19
    Panels = <
      item
        Width = 145
      end
      item
        Width = 50
      end>
  end
  object sSkinManager1: TsSkinManager
    InternalSkins = <
      item
        Name = 'Office12Style (internal)'
        GeneralData = <
          item
            SectionName = 'GLOBALINFO'
            Color = 13744054
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 13744054
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'FORM'
            Color = 14865876
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 15386302
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'FORMTITLE'
            Color = 15195869
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '8019032 -1 -1 -1 -1'
            HotFontColor = '5514266 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '15920364;15195869;50;0;0;14734547;15195612;50;0;0;15195612;15195612;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 15914960
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '16444648;15914960;50;0;0;15517887;15979724;50;0;0;15979724;15979724;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'TITLEBAR'
            Color = 15195869
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 100
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 15914960
            HotTransparency = 100
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'MENULINE'
            Color = 16049634
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16644086;16049634;100;0;0;16049634;16049634;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 16049634
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '16644086;16049634;100;0;0;16049634;16049634;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'MDIAREA'
            Color = 12491414
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 12491414
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'DIALOG'
            ParentClass = 'FORM'
            Color = 13744054
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = True
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 13744054
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'BUTTON'
            Color = 16379885
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16776958;16379885;48;0;0;16048862;16577006;52;0;0;16577006;16577006;0;0;0'
            ImagePercent = 0
            ShowFocus = True
            FadingEnabled = True
            FadingIntervalIn = 30
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 12513279
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '15531263;12513279;48;0;0;9232383;11727103;52;0;0;11727103;11727103;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'BUTTON_BIG'
            ParentClass = 'BUTTON'
            Color = 16379885
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16776958;16379885;48;0;0;16048862;16577006;52;0;0;16577006;16577006;0;0;0'
            ImagePercent = 0
            ShowFocus = True
            FadingEnabled = True
            FadingIntervalIn = 30
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 12513279
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '15531263;12513279;48;0;0;9232383;11727103;52;0;0;11727103;11727103;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'EDIT'
            Color = 16777215
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 16777215
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = 11962496
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'COMBOBOX'
            ParentClass = 'EDIT'
            Color = 16777215
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 16777215
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'MEMO'
            ParentClass = 'EDIT'
            Color = 16777215
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 16777215
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'CHECKBOX'
            Color = 13744054
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 100
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = True
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 13744054
            HotTransparency = 100
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'RADIOBUTTON'
            ParentClass = 'CHECKBOX'
            Color = 13744054
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 100
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = True
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 13744054
            HotTransparency = 100
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'PANEL'
            Color = 14930641
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '14930641;14271169;100;0;0;14271169;14271169;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 14930641
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '14930641;14271169;100;0;0;14271169;14271169;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'PANEL_LOW'
            Color = 14600390
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 14600390
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'GROUPBOX'
            Color = 13744054
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 100
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 13744054
            HotTransparency = 100
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'GAUGE'
            Color = 16247784
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16049634;16644086;100;0;0;16644086;16644086;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 16247784
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '16049634;16644086;100;0;0;16644086;16644086;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'PROGRESSH'
            Color = 16041632
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16574678;16041632;50;0;0;15510650;16306344;50;0;0;16306344;16306344;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 16041632
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '16574678;16041632;50;0;0;15510650;16306344;50;0;0;16306344;16306344;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'PROGRESSV'
            ParentClass = 'PROGRESSH'
            Color = 16041632
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '15510650;16574678;52;1;0;16574678;15510650;48;1;0;15510650;15510650;0;1;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 16041632
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '15510650;16574678;52;1;0;16574678;15510650;48;1;0;15510650;15510650;0;1;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'TRACKBAR'
            Color = 13744054
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 100
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = True
            FadingIntervalIn = 30
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 13744054
            HotTransparency = 100
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'STATUSBAR'
            Color = 16049634
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16313064;15258062;100;0;0;15258062;15258062;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 16049634
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '16313064;15258062;100;0;0;15258062;15258062;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'DIVIDER'
            Color = 13744054
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 100
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 13744054
            HotTransparency = 100
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'WEBBUTTON'
            ParentClass = 'TOOLBUTTON'
            Color = 13744054
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '11026968 -1 -1 -1 -1'
            HotFontColor = '20650 -1 -1 -1 -1'
            Transparency = 100
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 13744054
            HotTransparency = 100
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'TOOLBAR'
            Color = 16049634
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16644086;15652562;100;0;0;15652562;15652562;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 16049634
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '16644086;15652562;100;0;0;15652562;15652562;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'TOOLBUTTON'
            Color = 13744054
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 100
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = True
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 12513279
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '15531263;12513279;48;0;0;9232383;11727103;52;0;0;11727103;11727103;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'SPEEDBUTTON'
            ParentClass = 'TOOLBUTTON'
            Color = 13744054
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 100
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = True
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 12513279
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '15531263;12513279;48;0;0;9232383;11727103;52;0;0;11727103;11727103;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'SPLITTER'
            Color = 13744054
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 100
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 13744054
            HotTransparency = 100
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'DRAGBAR'
            ParentClass = 'TOOLBAR'
            Color = 16049634
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16644086;15652562;100;0;0;15652562;15652562;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 16049634
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '16644086;15652562;100;0;0;15652562;15652562;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'BAR'
            ParentClass = 'PANEL'
            Color = 14930641
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '14930641;14271169;100;0;0;14271169;14271169;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 14930641
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '14930641;14271169;100;0;0;14271169;14271169;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'BARTITLE'
            Color = 15195869
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '5514266 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '15920364;15195869;50;0;0;14734547;15195612;50;0;0;15195612;15195612;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 15914960
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '16444648;15914960;50;0;0;15517887;15979724;50;0;0;15979724;15979724;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'TABSHEET'
            ParentClass = 'PAGECONTROL'
            Color = 16644086
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16644086;16049634;100;0;0;16049634;16049634;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 16644086
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '16644086;16049634;100;0;0;16049634;16049634;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'PAGECONTROL'
            Color = 13744054
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 100
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 13744054
            HotTransparency = 100
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'TABCONTROL'
            ParentClass = 'PAGECONTROL'
            Color = 13744054
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 100
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 13744054
            HotTransparency = 100
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'TABTOP'
            Color = 16049634
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16644086;15784662;100;0;0;15784662;15784662;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 16644086
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '16777215;16644086;100;0;0;16644086;16644086;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'TABBOTTOM'
            Color = 16049634
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16644086;15784662;100;0;0;15784662;15784662;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 16644086
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '16777215;16644086;100;0;0;16644086;16644086;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'TABLEFT'
            Color = 16049634
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '15784662;16644086;52;1;0;16644086;15784662;48;1;0;15784662;15784662;0;1;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 16644086
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '16777215;16644086;52;1;0;16644086;16777215;48;1;0;16777215;16777215;0;1;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'TABRIGHT'
            Color = 16049634
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '15784662;16644086;52;1;0;16644086;15784662;48;1;0;15784662;15784662;0;1;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 16644086
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '16777215;16644086;52;1;0;16644086;16777215;48;1;0;16777215;16777215;0;1;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'SCROLLBTNTOP'
            Color = 16379885
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16776958;16379885;48;0;0;16048862;16577006;52;0;0;16577006;16577006;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 12513279
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '15531263;12513279;48;0;0;9232383;11727103;52;0;0;11727103;11727103;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'SCROLLBTNBOTTOM'
            Color = 16379885
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16776958;16379885;48;0;0;16048862;16577006;52;0;0;16577006;16577006;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 12513279
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '15531263;12513279;48;0;0;9232383;11727103;52;0;0;11727103;11727103;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'SCROLLBTNLEFT'
            Color = 16379885
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16776958;16379885;48;0;0;16048862;16577006;52;0;0;16577006;16577006;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 12513279
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '15531263;12513279;48;0;0;9232383;11727103;52;0;0;11727103;11727103;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'SCROLLBTNRIGHT'
            Color = 16379885
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16776958;16379885;48;0;0;16048862;16577006;52;0;0;16577006;16577006;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 12513279
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '15531263;12513279;48;0;0;9232383;11727103;52;0;0;11727103;11727103;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'SCROLLSLIDERV'
            Color = 16379885
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16048862;16776958;52;1;0;16776958;16048862;48;1;0;16048862;16048862;0;1;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 12513279
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '9232383;15531263;52;1;0;15531263;9232383;48;1;0;9232383;9232383;0;1;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'SCROLLSLIDERH'
            Color = 16379885
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16776958;16379885;48;0;0;16048862;16577006;52;0;0;16577006;16577006;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 12513279
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '15531263;12513279;48;0;0;9232383;11727103;52;0;0;11727103;11727103;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'SCROLLBAR1H'
            Color = 16049634
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16049634;16644086;100;0;0;16644086;16644086;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 16644086
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '16644086;16777215;100;0;0;16777215;16777215;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'SCROLLBAR1V'
            Color = 16049634
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16049634;16644086;52;1;0;16644086;16049634;48;1;0;16049634;16049634;0;1;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 16644086
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '16644086;16777215;52;1;0;16777215;16644086;48;1;0;16644086;16644086;0;1;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'SCROLLBAR2H'
            Color = 16049634
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16049634;16644086;100;0;0;16644086;16644086;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 16644086
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '16644086;16777215;100;0;0;16777215;16777215;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'SCROLLBAR2V'
            Color = 16049634
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16049634;16644086;52;1;0;16644086;16049634;48;1;0;16049634;16049634;0;1;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 16644086
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '16644086;16777215;52;1;0;16777215;16644086;48;1;0;16644086;16644086;0;1;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'MENUITEM'
            Color = 13744054
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 100
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 12513279
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '15531263;9232383;100;0;0;9232383;9232383;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'MAINMENU'
            Color = 16644086
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 16644086
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'SELECTION'
            Color = 12513279
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '15531263;9232383;100;0;0;9232383;9232383;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 12513279
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '15531263;9232383;100;0;0;9232383;9232383;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'HINT'
            Color = 16644086
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16777215;16049634;100;0;0;16049634;16049634;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 16644086
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '16777215;16049634;100;0;0;16049634;16049634;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'COLHEADER'
            Color = 16644086
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16777215;16049634;100;0;0;16049634;16049634;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 15531263
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '16777215;12513279;100;0;0;12513279;12513279;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'UPDOWN'
            Color = 16379885
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16776958;16379885;48;0;0;16048862;16577006;52;0;0;16577006;16577006;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 12513279
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '15531263;12513279;48;0;0;9232383;11727103;52;0;0;11727103;11727103;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'TRANSPARENT'
            Color = 13744054
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 100
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 13744054
            HotTransparency = 100
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
        >
        Images = <
          item
            SectionName = 'GLOBALINFO'
            Image.Data = {
              9A1D0100424D9A1D01000000000036040000280000005C010000CF0000000100
              0800000000006419010000000000000000000001000000000000FF00FF00A484
              800084534C00FFFFFF00A070680056A0C8003E769E00C0958E00CCAFA900B688
              8000E4C9C400B7A39F00EEE2DF00EBDBD800A3776E00E9D5CF00FEFEFE0060A2
              C700C0E5F500E1FAFF0029699A00145C9600D1BEBB00FCF8F800C0A8A600F7EF
              EE00FBF5F400F7EBE900D1EDF700E8FAFF0078BAE7008ACFFA00DBCDCB00ACD8
              EC00E4F9FF0097C1DC00D1F2FF0037729D00D9C2BF0085CCFA00FEFBFB00D4F3
              FF00C1F0FF00B0DFFC0092D3F8001A609700DEF8FF0084CCFB00C6F1FF0094D4
              FC00D9F6FF0081CAFA00C7F1FF0096D6FB00D3F5FF007FC9FA00CCA9A300CBF2
              FF006FB0D3009CDAFC0064ABD200CDF3FF007CC7F900FAF0EE00EDFBFF0076C4
              F900CBA7A100D0F4FF009FDCFC0044221800B2D6E8004E2F260073C2F9006BB0
              E000A5DEFB00C09B94001010100000000000BEAFAC0046251B00BDECFE00B8C3
              C60070C2FA0079C5F900A6BBC700F6E9E600CBA69D00D5F6FF00A8E1FD0068AC
              D100B69B96005252520063636300AD9D9900B7EBFE00B2B1B9006CBFF80082CA
              FA0099A8B200F5E5E200F3FDFF00DAF7FF009F8A8600B3E8FE00A5A5A5008697
              A800AEE5FD00F7F7F70008080800AEE9FF0063BDFA00F3DDD900737373008C8C
              8C006B6B6B007B7B7B00848484004A4A4A00191919003A3A3A00A3E9FF00D4B2
              A800AAD5E90080BADA002929290031313100EFEFEF00DEDEDE00949494009FE7
              FF005FB9F90088BEDA009AE5FF005CB7F90092E2FF008EE0FF0059AAE40058B3
              F800639CC700ADADAD00BEDAE400424242005A5A5A00D6D6D600CECECE008CDF
              FF00AC7E6F00C5C5C500B5938E0091ABBF00B5B5B500E6E6E600C4F0FF00B9D4
              DD00B4E4FB0093D4FB00AE867F0095492C00863A1E0098574000C8D3D6008A44
              2A00AAD1E300212121009C604A009CD2ED008A5A4A0086605700937B75009BA0
              A30099B6C4009B9497009C9C9C00467DA50061A7D70065ABDC007A534B0082CA
              F700694F470094817B007B534B00604C46005C433B002A405200263B4C00C1A6
              A00051372F00543C3500141E28001F324100583B32002433400097E4FF0058B4
              F80089C8E700A7EBFF0068C1FA006DC6FB006ABDF10071C9FC00B0704C00656F
              7400325C7C0079615A007F77740042637C00BDBDBD007E7674003A607C007873
              71006AAFD3003B5C7600735A520087726C006A8AA6001A2530005181A6004F8F
              BA004C7B9D004F87AD0099CFE500569ECC0087A9C1007489980064ABDC0080C9
              FA0048667C0082B7D4009A837F0056494800A98D8900C5A6A3007DA7C200AEA7
              B000B68F8700D7B8B0007990A8003B424C00D5A99600D7A08500C5886D00BD77
              580075B4D500827B7900C8978200B4664300A46D5B00AA5E3E00A1543300E5EE
              F1005F96B9000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              00000000000000034C4D4D4D4D4D4D4D4D4C03034C4D4D4D4D4D4D4D4D4C0300
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000004C4D4D4D4D4D4D4D4D4D4D4C4C4D4D4D4D4D4D4D4D4D4D4C0000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              000000000000000000000000000000000000000000000000000000000000004D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000004D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D00000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              000000000000000000000000000000E79C0E040E9CE70000000000000000005F
              E8110511E85F000000000000000000E9D6DA06DAD6E900000000000000000000
              E79C0E040E9CE70000000000000000005FE8110511E85F000000000000000000
              E9D6DA06DAD6E900000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              00000000000000000000000000000000000000000000004C4D4D4D4D4D4D4D4D
              4D4D4C4C4D4D4D4D4D4D4D4D4D4D4C0000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              00000000000000000000EA9C26191019269CEA00000000000000DE3A462E1D2E
              463ADE00000000000000ECDB839A509A83DBEC0000000000000000EA9C261910
              19269CEA00000000000000DE3A462E1D2E463ADE00000000000000ECDB839A50
              9A83DBEC00000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              00000000000000000000000000000000000000034C4D4D4D4D4D4D4D4D4C0303
              4C4D4D4D4D4D4D4D4D4C03000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000EA941A28282828281A94EA0000000000DEF22E1D1D1D1D1D2EF2DE
              0000000000ECFA9A5E5E5E5E5E9AFAEC000000000000EA941A28282828281A94
              EA0000000000DEF22E1D1D1D1D1D2EF2DE0000000000ECFA9A5E5E5E5E5E9AFA
              EC00000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000007070707070707070707000004040404
              0404040404040000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              E79C1A175507920755171A9CE70000005FD26513F9949294F91365D25F000000
              E9DB6A672166A86621676ADBE900000000E79C1A171717171717171A9CE70000
              005FD2651313131313131365D25F000000E9DB6A676767676767676ADBE90000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000200000000000000000000000200000000000000000000000260000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000075528282828282828285507040C28282828282828
              280C040000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              000000000000000000000000000000000000000000000000000000009C261A55
              A49D9D9DA4551A269C000000E87A2E1CA49D9D9DA41C2E7AE8000000D67B6A21
              9F9D9D9D9F216A7BD6000000009C261A1A1A1A1A1A1A1A1A269C000000E87A2E
              2E2E2E2E2E2E2E2E7AE8000000D67B6A6A6A6A6A6A6A6A6A7BD6000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              2692080000000000000000002692080000000000000000004E5C5D0000000000
              0000000000000000000000000000000000000000000000000000000000000000
              00000000000000071A1A1A1A1A1A1A1A1A1A07041A1A1A1A1A1A1A1A1A1A0400
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000E551A4BF8F8F8F8
              F84B1A550E0000001124654BF8F8F8F8F84B652411000000DA44585DF8F8F8F8
              F85D5844DA000000000E551A1A1A1A1A1A1A1A1A550E00000011246565656565
              656565652411000000DA4458585858585858585844DA00000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              000000000000000000000000000000000000000000000000000000209F9E9D26
              00000000000000209F9E9D260000000000000016EDBCBF4E0000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000719191919191919191919070419191919191919191919040000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000043F3FF4F7F1C8F7F7F43F3F
              04000000055757EAF7F1C8F7F7EA575705000000064A4AE6F7F1C8F7F7E64A4A
              0600000000043F3F3F3F3F3F3F3F3F3F3F040000000557575757575757575757
              5705000000064A4A4A4A4A4A4A4A4A4A4A060000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000020A49EA19EA420000000
              000020A49EA19EA42000000000001675BCD7BC75160000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000007
              0D55555555555555550D07040F55555555555555550F04000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              000000000000000000000000000000000E0C3FEEF4EBEBF5F5EE3F0C0E000000
              113443B9F4EBEBF5F5B9433411000000DA35445DF4EBEBF5F55D4435DA000000
              000E0C3F3F3F3F3F3F3F3F3F0C0E000000113443434343434343434334110000
              00DA3544444444444444444435DA000000000000000000000000000000000000
              000000034D4D4D4D4D4D4D4D4D4D4D4D4D03034D4D4D4D4D4D4D4D4D4D4D4D4D
              03034D4D4D4D4D4D4D4D4D4D4D4D4D030000F69E9F009F9EF60000000000F69E
              9F009F9EF600000000008EBCED00EDBC8E000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000007070707
              0707070707070000040404040404040404040000000000000000000000000000
              0000000000000000000000000000000000000000000000000000009404040404
              0404040404040494000000950505050505050505050505950000006906060606
              0606060606060669000000009CEB1B6FF0EFF0F1F06F1BEB9C000000E8A53D1C
              F0EFF0F1F01C3DA5E8000000D6F23BA5F0EFF0F1F1A53BF2D6000000009CEB1B
              1B1B1B1B1B1B1B1BEB9C000000E8A53D3D3D3D3D3D3D3D3DA5E8000000D6F23B
              3B3B3B3B3B3B3B3BF2D60000000000000000000000000000000000000000004D
              778D7D7D7D7D7D7D7D7D7D8D774D4D777D7C7C7C7C7C7C7C7C7C7D774D4D5B7E
              0303030303030303037E5B4D0000009F0000009D9E0700000000009F0000009D
              9E070000000000ED0000007DBCF3000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000042810101010101010
              1010280400000005406464646464646464644005000000063943434343434343
              4343390600000000E79C63556FEEEFEE6F55639CE70000005F59983412085608
              123498595F000000E9DB2C35A50B5A0BA5352CDBE900000000E79C6355555555
              555555639CE70000005F59983434343434343498595F000000E9DB2C35353535
              3535352CDBE90000000000000000000000000000000000000000004D8D8F0303
              030303030303038F8D4D4D7D8F0303030303030303038F7D4D4DCE7E03030303
              0303030303037E4D0000000000000000A19E08000000000000000000A19E0800
              0000000000000000D7BCAB000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              00000000034D4D4D4D4D4D4D4D4D4D4D4D4D03034D4D4D4D4D4D4D4D4D4D4D4D
              4D03034D4D4D4D4D4D4D4D4D4D4D4D4D03000004102828282828282828281004
              00000005401D1D1D1D1D1D1D1D1D4005000000063D5E5E5E5E5E5E5E5E5E3D06
              0000000000EAEA0C63636363630CEAEA0000000000DE3A2A98989898982A3ADE
              0000000000ECD92C9B9B9B9B9B2CD9EC000000000000EAEA0C63636363630CEA
              EA0000000000DE3A2A98989898982A3ADE0000000000ECD92C9B9B9B9B9B2CD9
              EC000000000000000000000000000000000000000000004D7D03030303030303
              030303037D4D4D7C03030303030303030303037C4D4D907E0303030303030303
              0303034D0000000000000000009EA1000000000000000000009EA10000000000
              0000000000BCD700000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              4D757D7D7D7D7D7D7D7D7D7D7D754D4D8D7C7C7C7C7C7C7C7C7C7C7C8D4D4D90
              0303030303030303030303904D00000428171717171717171717280400000005
              1D1313131313131313131D050000000639676767676767676767390600000000
              0000EA9CEB0D630DEB9CEA00000000000000DE59DC5E2A5EDC59DE0000000000
              0000ECDB3AB11FB13ADBEC0000000000000000EA9CEB0D630DEB9CEA00000000
              000000DE59DC5E2A5EDC59DE00000000000000ECDB3AB11FB13ADBEC00000000
              000000000000000000000000000000000000004D7D0303030303030303030303
              7D4D4D7C03030303030303030303037C4D4D907E03030303030303030303034D
              0000000000000000000E9F000000000000000000000E9F000000000000000000
              0072ED0000000000000000000000000000000000000000000000000000000000
              000000000000000000000000000000000000000000000000000000004D7D0303
              0303030303030303037D4D4D7C03030303030303030303037C4D4D907E030303
              03030303030303034D000004281A1AE6E4E4E4E61A1A2804000000051D2E2EE6
              E4E4E4E62E2E1D0500000006986A6A66E4E4E4666A6A980600000000000000E7
              9C0E040E9CE70000000000000000005FE8110511E85F000000000000000000E9
              D6DA06DAD6E900000000000000000000E79C0E040E9CE7000000000000000000
              5FE8110511E85F000000000000000000E9D6DA06DAD6E9000000000000000000
              0000000000000000000000000000004D7D03030303030303030303037D4D4D7C
              03030303030303030303037C4D4D907E03030303030303030303034D00000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000004D7D030303030303
              03030303037D4D4D7C03030303030303030303037C4D4D907E03030303030303
              030303034D000004171A1A66666666661A1A1704000000052265656666666666
              6565220500000006985858666666666658589806000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              00000000000000000000004D7D03030303030303030303037D4D4D7C03030303
              030303030303037C4D4D907E03030303030303030303034D0000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              00000000000000000000000000000000000000004D7D03030303030303030303
              037D4D4D7C03030303030303030303037C4D4D907E0303030303030303030303
              4D000004173F3FE6E6E6E6E63F3F170400000005135757E6E6E6E6E657571305
              00000006504A4AE6E6E6E6E64A4A500600000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              000000000000004D7D03030303030303030303037D4D4D7C0303030303030303
              0303037C4D4D907E03030303030303030303034D000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              000000000000000000000000000000004D7D03030303030303030303037D4D4D
              7C03030303030303030303037C4D4D907E03030303030303030303034D000004
              1A3F3F94949494943F3F1A04000000052E4343949494949443432E0500000006
              5044449494949494444450060000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000004D7D03030303030303030303037D4D4D7C03030303030303030303037C
              4D4D907E03030303030303030303034D007F774D4D4D4D4D4D4D4D4D4D4DA37F
              030303037F774D4D4D4D4D4D4D4D4D4D4DA37F030303037F774D4D4D4D4D4D4D
              4D4D4D4DA37F0303030300000000000000000000000000000000000000000000
              0000000000000000000000004D7D03030303030303030303037D4D4D7C030303
              03030303030303037C4D4D907E03030303030303030303034D0000041A1B1BB9
              5A5A5AB91B1B1A0400000005653D3D0B5A5A5A0B3D3D6505000000069A3B3B0B
              5A5A5A0B3B3B9A06000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              000000000000000000000000000000000000000000000000000000000000004D
              7D03030303030303030303037D4D4D7C03030303030303030303037C4D4D907E
              03030303030303030303034D00774D4D4D4D4D4D4D4D4D4D4D4D4DA37F030303
              774D4D4D4D4D4D4D4D4D4D4D4D4DA37F030303774D4D4D4D4D4D4D4D4D4D4D4D
              4DA37F0303030000000000000000000000000000000000000000000000000000
              00000000000000004D7D03030303030303030303037D4D4D7C03030303030303
              030303037C4D4D907E03030303030303030303034D0000041A55555555555555
              55551A0400000005323434343434343434343205000000069A35353535353535
              35359A0600000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000004D7D030303
              03030303030303037D4D4D7C03030303030303030303037C4D4D907E03030303
              030303030303034D004D4D4D4D4D4D4D4D4D4D4D4D4D4D4DA37F03034D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4DA37F03034D4D4D4D4D4D4D4D4D4D4D4D4D4D4DA37F
              0303000000000000000000000000000000000000000000000000000000000000
              000000004D7D03030303030303030303037D4D4D7C0303030303030303030303
              7C4D4D907E03030303030303030303034D0000043F6363636363636363633F04
              00000005579898989898989898985705000000069A9B9B9B9B9B9B9B9B9B9A06
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000009404040404040404040404049400000095
              0505050505050505050505950000006906060606060606060606066900000000
              00000000000000000000000000000000000000000000004D7D03030303030303
              030303037D4D4D7C03030303030303030303037C4D4D968F9797979797979797
              9797974D004D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4DA37F034D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4DA37F034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4DA37F030000
              0000000000000000000000000000000000000000000000000000000000000000
              4D7D03030303030303030303037D4D4D7C03030303030303030303037C4D4D90
              7E03030303030303030303034D000004193F3F3F3F3F3F3F3F3F190400000005
              243636363636363636362405000000062B2B2B2B2B2B2B2B2B2B2B0600000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000042810101010101010101028040000000540646464
              6464646464644005000000063943434343434343434339060000000000000000
              000000000000000000000000000000000000004D8D8F0303030303030303038F
              8D4D4D7D8F0303030303030303038F7D4D4DAC9393939393939393939393CE4D
              004D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4DA37F4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4DA37F4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4DA37F000000000000
              000000000000000000000000000000000000000000000000000000004D7D0303
              0303030303030303037D4D4D7C03030303030303030303037C4D4D907E030303
              03030303030303034D0000940404040404040404040404940000009505050505
              0505050505050595000000690606060606060606060606690000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              000000000000000410282828282828282828100400000005401D1D1D1D1D1D1D
              1D1D4005000000063D5E5E5E5E5E5E5E5E5E3D06000000000000000000000000
              0000000000000000000000000000004D778D7D7D7D7D7D7D7D7D7D8D774D4D77
              7D7C7C7C7C7C7C7C7C7C7D774D4D757180808080808080808071754D004D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D774D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D774D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D7700000000000000000000
              0000000000000000000000000000000000000000000000004D7D030303030303
              03030303037D4D4D7C03030303030303030303037C4D4D968F97979797979797
              979797974D000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              00000004281717171717171717172804000000051D1313131313131313131D05
              0000000639676767676767676767390600000000000000000000000000000000
              0000000000000000000000034D4D4D4D4D4D4D4D4D4D4D4D4D03034D4D4D4D4D
              4D4D4D4D4D4D4D4D03034D4D4D4D4D4D4D4D4D4D4D4D4D03004D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4DA37F4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4DA37F4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4DA37F0003030303030303030303030303
              03030303030303030303030000000000000000004D7D03030303030303030303
              037D4D4D7C03030303030303030303037C4D4DAC939393939393939393939393
              4D00000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000004
              281A1A1A1A1A1A1A1A1A2804000000051D2E2E2E2E2E2E2E2E2E1D0500000006
              986A6A6A6A6A6A6A6A6A98060000000000000000000000000000000000000000
              0000000000000000040404040404040404040404040000050505050505050505
              0505050500000606060606060606060606060600004D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4DA37F034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4DA37F034D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4DA37F0300034D7D4D7D4D7D03034D7D4D7D4D7D0303
              4D7D4D7D4D7D030000000000000000004D757D7D7D7D7D7D7D7D7D7D7D754D4D
              8D7C7C7C7C7C7C7C7C7C7C7C8D4D4D748080808080808080808080744D000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              00000000000000000000000000000000000000000000000000000004171A1A1A
              1A1A1A1A1A1A1704000000052265656565656565656522050000000698585858
              5858585858589806000000000000000000000000000000000000000000000000
              00000004B92803030303030303030328B90405832E1313131313131313132E83
              05060606030303030303030303060606004D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              A37F03034D4D4D4D4D4D4D4D4D4D4D4D4D4D4DA37F03034D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4DA37F030300034D7D4D7D4D7D03034D7D4D7D4D7D03034D7D4D7D
              4D7D03000000000000000000034D4D4D4D4D4D4D4D4D4D4D4D4D03034D4D4D4D
              4D4D4D4D4D4D4D4D4D03034D4D4D4D4D4D4D4D4D4D4D4D4D0300000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              00000000000000004D4D4D4D4D4D4D4D4D4D4D4D4D4D034D4D4D4D4D4D4D4D4D
              4D4D4D4D4D034D4D4D4D4D4D4D4D4D4D4D4D4D4D03000004173F3F3F3F3F3F3F
              3F3F17040000000513575757575757575757130500000006504A4A4A4A4A4A4A
              4A4A500600000000000000000000000000000000000000000000000000000004
              2803030303030303030303032804052E13030303030303030303132E05062D15
              03030303030303030303060600774D4D4D4D4D4D4D4D4D4D4D4D4DA37F030303
              774D4D4D4D4D4D4D4D4D4D4D4D4DA37F030303774D4D4D4D4D4D4D4D4D4D4D4D
              4DA37F03030300034D7D4D7D4D7D03034D7D4D7D4D7D03034D7D4D7D4D7D0300
              0000000000000000000404040404040404040404040400000505050505050505
              0505050505000006060606060606060606060606000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              00000000707070707070707070707070708D4D767676767676767676767676A3
              7D4D7676767676767676767676767C774D0000041A3F3F3F3F3F3F3F3F3F1A04
              000000052E4343434343434343432E0500000006504444444444444444445006
              0000000000000000000000000000000000000000000000000000000403030303
              0303030303030303030405130303030303030303030303130506151503030303
              0303030303030306007F774D4D4D4D4D4D4D4D4D4D4DA37F030303037F774D4D
              4D4D4D4D4D4D4D4D4DA37F030303037F774D4D4D4D4D4D4D4D4D4D4DA37F0303
              030300034D7D4D7D4D7D03034D7D4D7D4D7D03034D7D4D7D4D7D030000000000
              0000000004190303030303030303030303190405291313131313131313131313
              2905060603030303030303030303030606000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              03030303030303030303030397704D03030303030303030303038F7DA34D0303
              03030303030303030303907C4D0000041A1B1B1B1B1B1B1B1B1B1A0400000005
              653D3D3D3D3D3D3D3D3D6505000000069A3B3B3B3B3B3B3B3B3B9A0600000000
              0000000000000000000000000000000000000000000000040303030303030303
              0303030303040513030303030303030303030313050615150303030303030303
              0303030600040404040404040404040404040404030303030505050505050505
              0505050505050503030303060606060606060606060606060606030303030003
              4D7D4D7D4D7D03034D7D4D7D4D7D03034D7D4D7D4D7D03000000000000000000
              0403030303030303030303030303040513030303030303030303030313050615
              1503030303030303030303030600034D4D4D4D4D4D4D4D4D4D4D4D4D4D034D4D
              4D4D4D4D4D4D4D4D4D4D4D4D034D4D4D4D4D4D4D4D4D4D4D4D4D4D0003030303
              030303030303030303704D0303030303030303030303037D764D030303030303
              03030303030303764D0000041A5555555555555555551A040000000532343434
              3434343434343205000000069A3535353535353535359A060000000000000000
              0000000000000000000000000000000000000004030303030303030303030303
              0304051303030303030303030303031305061515030303030303030303030306
              00042028171A1A3F3F1B5563636F79040403030305212A3034393D433657652E
              2E7A050503030306232C31353B3B444A58586A6A7B060603030300034D7D4D7D
              4D7D03034D7D4D7D4D7D03034D7D4D7D4D7D0300000000000000000004030303
              0303030303030303030304051303030303030303030303031305061515030303
              030303030303030306004D8D707070707070707070707070704D7DA376767676
              76767676767676764D777C767676767676767676767676000303030303030303
              0303030303704D0303030303030303030303037D764D03030303030303030303
              030303764D0000043F6363636363636363633F04000000055798989898989898
              98985705000000069A9B9B9B9B9B9B9B9B9B9A06000000000000000000000000
              0000000000000000000000000000000403030303030303030303030303040513
              0303030303030303030303130506151503030303030303030303030600041028
              171A1A3F3F1B5563636F6F790404030305222A3034393D433657652E2E137A05
              05030306242C31353B3B444A58586A6A67830606030300030303030303030303
              0303030303030303030303030303030000000000000000000403030303030303
              0303030303030405130303030303030303030303130506151503030303030303
              0303030306004D70970303030303030303030303034DA37D8F03030303030303
              030303034D7C9003030303030303030303030300030303030303030303030303
              03704D0303030303030303030303037D764D0303030303030303030303030376
              4D000004193F3F3F3F3F3F3F3F3F190400000005243636363636363636362405
              000000062B2B2B2B2B2B2B2B2B2B2B0600000000000000000000000000000000
              0000000000000000000000040303030303030303030303030304051303030303
              03030303030303130506151503030303030303030303030600041028171A383F
              421B5663636F6F6F7904040305222A30343A3D3A363A652E2E13227A05050306
              242C31353C3B3C4A59586A6A675E830606030003030303030303030303030303
              0303030303030303030303000000000000000000040303030303030303030303
              0303040513030303030303030303030313050615150303030303030303030303
              06004D70030303030303030303030303034D767D030303030303030303030303
              4D76030303030303030303030303030003030303030303030303030303704D03
              03030303030303030303037D764D03030303030303030303030303764D000094
              0404040404040404040404940000009505050505050505050505059500000069
              0606060606060606060606690000000000000000000000000000000000000000
              0000000000000004030303030303030303030303030405130303030303030303
              030303130506151503030303030303030303030600041028171A383F421B5663
              636F6F6F6F08040405222A30343A3D3A363A652E2E13221D46050506242C3135
              3C3B3C4A59586A6A675E5E830606000307030703070303030503050305030303
              0503050305030300000000000000000004030303030303030303030303030405
              1303030303030303030303031305061515030303030303030303030306004D70
              030303030303030303030303034D767D0303030303030303030303034D760303
              03030303030303030303030003030303030303030303030303704D0303030303
              030303030303037D764D03030303030303030303030303764D00000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000403030303030303030303030303040513030303030303030303030313
              0506151503030303030303030303030600041028171A383F421B5663636F6F6F
              6F0F070405222A30343A3D3A363A652E2E13221D40830506242C31353C3B3C4A
              59586A6A675E5E508A0600030703070307030303050305030503030305030503
              0503030000000000000000000403030303030303030303030303040513030303
              03030303030303031305061515030303030303030303030306004D7003030303
              0303030303030303034D767D0303030303030303030303034D76030303030303
              030303030303030003030303030303030303030303704D030303030303030303
              0303037D764D03030303030303030303030303764D0000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000004
              0303030303030303030303030304051303030303030303030303031305061515
              03030303030303030303030600041028171A383F421B5663636F6F6F6F080404
              05222A30343A3D3A363A652E2E13221D46050506242C31353C3B3C4A59586A6A
              675E5E8306060003070307030703030305030503050303030503050305030300
              0000000000000000040303030303030303030303030304051303030303030303
              030303031305061515030303030303030303030306004D700303030303030303
              03030303034D767D0303030303030303030303034D7603030303030303030303
              0303030003030303030303030303030303704D0303030303030303030303037D
              764D03030303030303030303030303764D000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000403030303
              0303030303030303030405130303030303030303030303130506151515151515
              151515151515150600041028171A383F421B5663636F6F6F7904040305222A30
              343A3D3A363A652E2E13227A05050306242C31353C3B3C4A59586A6A675E8306
              0603000307030703070303030503050305030303050305030503030000000000
              0000000004030303030303030303030303030405130303030303030303030303
              1305061515030303030303030303030306004D70030303030303030303030303
              034D767D0303030303030303030303034D760303030303030303030303030300
              03030303030303030303030303704D0303030303030303030303037D764D0303
              0303030303030303030303764D00000000000000000000000000000000000000
              000000000000000000034D4D4D4D4D4D4D4D4D4D4D4D4D03034D4D4D4D4D4D4D
              4D4D4D4D4D4D03034D4D4D4D4D4D4D4D4D4D4D4D4D0300042803030303030303
              030303032804052E13030303030303030303132E05062D151515151515151515
              15152D0600041028171A1A3F3F1B5563636F6F79040403030522293034393D43
              3657652E2E137A0505030306242B31353B3B444A58586A6A6783060603030003
              0703070307030303050305030503030305030503050303000000000000000000
              0403030303030303030303030303040513030303030303030303030313050615
              15030303030303030303030306004D70030303030303030303030303034D767D
              0303030303030303030303034D76030303030303030303030303030003030303
              030303030303030303704D0303030303030303030303037D764D030303030303
              03030303030303764D0000000000000000000000000000000000000000000000
              00000000004D8D70707070707070707070708D4D4D7DA3767676767676767676
              A37D4D4D777C7676767676767676767C774D0004B92803030303030303030328
              B90405832E1313131313131313132E830506252D1515151515151515152D2506
              000420102828171717171A1A1A1A20040403030305211D1D1D1D404040406464
              64120505030303062324292929293232322E2E2E460606030303000307030703
              0703030305030503050303030503050305030300000000000000000004030303
              0303030303030303030304051303030303030303030303031305061515151515
              151515151515151506004D70030303030303030303030303034D767D03030303
              03030303030303034D7603030303030303030303030303000303030303030303
              0303030397704D03030303030303030303038F7DA34D03030303030303030303
              0303907C4D00030303030303030303034D4D4D4D4D4D4D0300030303034D7D00
              004D709703030303030303030397704D4DA37D7D7D7D7D7D7D7D7D7D7DA34D4D
              7C90030303030303030303907C4D000004040404040404040404040404000005
              0505050505050505050505050000060606060606060606060606060000040404
              0404040404040404040404040303030305050505050505050505050505050503
              0303030606060606060606060606060606060303030300030303030303030303
              0303030303030303030303030303030000000000000000000403030303030303
              0303030303030405130303030303030303030303130506151515151515151515
              1515151506004D70030303030303030303030303034D767D0303030303030303
              030303034D760303030303030303030303030300707070707070707070707070
              708D4D767676767676767676767676A37D4D7676767676767676767676767C77
              4D000303030303030303034D737474747474734D00030303034D7D00004D7003
              03030303030303030303704D4D768F0303030303030303038F764D4D76030303
              0303030303030303764D00000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000041903030303030303030303
              031904052913131313131313131313132905062D15151515151515151515152D
              06004D70030303030303030303030303034D767D030303030303030303030303
              4D7603030303030303030303030303004D4D4D4D4D4D4D4D4D4D4D4D4D4D034D
              4D4D4D4D4D4D4D4D4D4D4D4D4D034D4D4D4D4D4D4D4D4D4D4D4D4D4D03000303
              030303030303034D740303030303744D00030303034D7D00004D700303030303
              030303030303704D4D760303030303030303030303764D4D7603030303030303
              03030303764D0000000000000000000000000000000000000000000000000000
              0000000000000000000000000000030303030303030303030303030303037F77
              4D4D4D4D4D4D4D4D4D4D4D4D777F7F774D4D4D4D4D4D4D4D4D4D4D4D777F0003
              0303030303030303030303030303037F774D4D4D4D4D4D4D4D4D4D4D4D777F7F
              774D4D4D4D4D4D4D4D4D4D4D4D777F0000040404040404040404040404040000
              0505050505050505050505050500000606060606060606060606060600004D70
              970303030303030303030303034DA37D8F03030303030303030303034D7C9003
              0303030303030303030303000707070707070707070707070707000505050505
              0505050505050505050004040404040404040404040404040000030303030303
              0303034D740303030303744D00030303034D7D00004D70030303030303030303
              0303704D4D760303030303030303030303764D4D760303030303030303030303
              764D000000000000000000000000000000000000000000000000000000000000
              0000000000000000000003030303030303030303030303030303777D4D4D4D4D
              4D4D4D4D4D4D4D4D7D77778D4D4D4D4D4D4D4D4D4D4D4D4D8D77000303030303
              0303030303030303030303777D4D4D4D4D4D4D4D4D4D4D4D4D7D77778D4D4D4D
              4D4D4D4D4D4D4D4D4D8D77000000000000000000000000000000000000000000
              00000000000000000000000000000000000000000000000000004D8D70707070
              7070707070707070704D7DA37676767676767676767676764D777C7676767676
              7676767676767600030303030303030303030303170807242424242424242424
              2424243DC20503030303030303030303030310B904000303030303030303034D
              740303030303744D00030303034D7D00004D700303030303030303030303704D
              4D760303030303030303030303764D4D760303030303030303030303764D0000
              0000000000000000000000000000000000000000000000000000000000000000
              000000000000030303030303030303030303030303034D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D00030303030303030303
              030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D004D700303030303030303030303704D4D7603030303030303
              03030303764D4D760303030303030303030303764D00034D4D4D4D4D4D4D4D4D
              4D4D4D4D4D034D4D4D4D4D4D4D4D4D4D4D4D4D4D034D4D4D4D4D4D4D4D4D4D4D
              4D4D4D0003030303030303030303030303170703030303030303030303039184
              3D05030303030303030303030303031004000303030303030303034D74030303
              0303744D00030303034D7D00004D700303030303030303030303704D4D760303
              030303030303030303764D4D760303030303030303030303764D000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000030303030372747474720303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D0003030303037E68686868687E03
              0303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D004D700303030303030303030303704D4D760303030303030303030303
              764D4D760303030303030303030303764D000007070707070707070707070707
              0700050505050505050505050505050500040404040404040404040404040400
              0303030303030303030303030303070303030303030303030303039124050303
              03030303030303030303030304000303030303030303034D740303030303744D
              00030303034D7D00004D700303030303030303030303704D4D76030303030303
              0303030303764D4D760303030303030303030303764D00000000000000000000
              0000000000000000000000000000000000000000000000000000000000000303
              0303036C7D7D7D6C0303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D000303030303937C7C7C7C7C93030303034D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D00
              4D700303030303030303030303704D4D760303030303030303030303764D4D76
              0303030303030303030303764D0007081703030303030303030303030305C23D
              24242424242424242424242404B9100303030303030303030303030003030303
              0303030303030303030307030303030303030303030303912405030303030303
              030303030303030304000303030303030303034D737474747474734D00030303
              034D7D00004D700303030303030303030303704D4D7603030303030303030303
              03764D4D760303030303030303030303764D0000000000000000000000000000
              0000000000000000000000000000000000000000000000000000030303030376
              030303766868030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D000303030303904D4D4D4D4D90030303034D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D004D700303
              030303030303030303704D4D760303030303030303030303764D4D7603030303
              03030303030303764D00071703030303030303030303030303053D8491030303
              0303030303030303041003030303030303030303030303000303030303030303
              0303030303030703030303030303030303030391240503030303030303030303
              030303030400030303030303030303034D4D4D4D4D4D4D0300030303034D7D00
              004D700303030303030303030303704D4D760303030303030303030303764D4D
              760303030303030303030303764D000000000000000000000000000000000000
              0000000000000000000000000000000000000000000003030303037693939376
              8E7D030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D00030303030303030303030303030303034D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D004D70030303030303
              0303030303704D4D760303030303030303030303764D4D760303030303030303
              030303764D000703030303030303030303030303030524910303030303030303
              0303030304030303030303030303030303030300030303030303030303030303
              0303070303030303030303030303039124050303030303030303030303030303
              04000303030303030303030005050505050505000003030303070300004D7003
              03030303030303030303704D4D760303030303030303030303764D4D76030303
              0303030303030303764D00000000000000000000000000000000000000000000
              00000000000000000000000000000000000003030303034C5C8D5C4C90760303
              03034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D00030303030303030303030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D004D7003030303030303030303
              03704D4D760303030303030303030303764D4D76030303030303030303030376
              4D00070303030303030303030303030303052491030303030303030303030303
              0403030303030303030303030303030003030303030303030303030303030703
              0303030303030303030303912405030303030303030303030303030304000303
              03030303030303051C03030303031C050003030303070300004D700303030303
              030303030303704D4D760303030303030303030303764D4D7603030303030303
              03030303764D0003030303030303030303030303030303030303030303030303
              0303004D4D4D4D4D4D4D4D4D000003030303035C5C6C8E8E7F76030303034D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D0003
              0303030303030303030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D004D700303030303030303030303704D4D
              760303030303030303030303764D4D760303030303030303030303764D000703
              0303030303030303030303030305249103030303030303030303030304030303
              0303030303030303030303000303030303030303030303030303070303030303
              0303030303030391240503030303030303030303030303030400030303030303
              0303030503030303030303050003030303070300004D70030303030303030303
              0303704D4D760303030303030303030303764D4D760303030303030303030303
              764D00037F68900303030303037F68900303030303037F68900303030303004D
              5C5C5C5C5C5C5C4D0000030303030303034C5B5B5B4C030303034D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D000303030303
              03030303030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D004D700303030303030303030303704D4D76030303
              0303030303030303764D4D760303030303030303030303764D00070303030303
              0303030303030303030524910303030303030303030303030403030303030303
              0303030303030300030303030303030303030303030307030303030303030303
              0303039124050303030303030303030303030303040003030303030303030305
              03030303030303050003030303070300004D700303030303030303030303704D
              4D760303030303030303030303764D4D760303030303030303030303764D0003
              905B6C930303030303905B6C930303030303905B6C9303030303004D5C030303
              03035C4D0000030303030303034D4D4D4D4D030303034D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D00030303030303030303
              030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D004D700303030303030303030303704D4D7603030303030303
              03030303764D4D760303030303030303030303764D0007030303030303030303
              0303030303052491030303030303030303030303040303030303030303030303
              0303030003030303030303030303030303030703030303030303030303030391
              2405030303030303030303030303030304000303030303030303030503030303
              0303030500030303030703000000070707070707070707070707070000050505
              0505050505050505050500000404040404040404040404040400000390754D6C
              AC0303030390754D6CAC0303030390754D6CAC030303004D5C03030303035C4D
              0000030303030303030303030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D0003030303030303030303030303
              0303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D004D700303030303030303030303704D4D760303030303030303030303
              764D4D760303030303030303030303764D000703030303030303030303030303
              0305249103030303030303030303030304030303030303030303030303030300
              0303030303030303030303030303070303030303030303030303039124050303
              0303030303030303030303030400030303030303030303050303030303030305
              00030303030703000007081703030303030303030317080705C23D2424242424
              242424243DC20504B91003030303030303030310B904000390754D4D4D8F0303
              0390754D4D4D8F03030390754D4D4D8F0303004D5C03030303035C4D00000303
              03030303030303030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D00030303030303030303030303030303034D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D00
              4D700303030303030303030303704D4D760303030303030303030303764D4D76
              0303030303030303030303764D00070303030303030303030303030303052491
              0303030303030303030303030403030303030303030303030303030003030303
              0303030303030303031707030303030303030303030391843D05030303030303
              0303030303030310040003030303030303030305030303030303030500030303
              0307030000071703030303030303030303031707053D84919191919191919191
              843D05041003030303030303030303031004000390754D6CAC0303030390754D
              6CAC0303030390754D6CAC030303004D5C03030303035C4D0000030303030303
              030303030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D00030303030303030303030303030303034D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D004D700303
              030303030303030303704D4D768F0303030303030303038F764D4D7603030303
              03030303030303764D0007030303030303030303030303030305249103030303
              0303030303030303040303030303030303030303030303000303030303030303
              030303031708072424242424242424242424243DC20503030303030303030303
              030310B90400030303030303030303051C03030303031C050003030303070300
              0007030303030303030303030303030705249103030303030303030391240504
              03030303030303030303030303040003905B6C930303030303905B6C93030303
              0303905B6C9303030303004D5C03030303035C4D000003030303030303030303
              030303030303777D4D4D4D4D4D4D4D4D4D4D4D4D7D7777774D4D4D4D4D4D4D4D
              4D4D4D4D77770003030303030303030303030303030303777D4D4D4D4D4D4D4D
              4D4D4D4D4D7D7777774D4D4D4D4D4D4D4D4D4D4D4D7777004D70970303030303
              0303030397704D4DA37D7D7D7D7D7D7D7D7D7D7DA34D4D7C9003030303030303
              0303907C4D000703030303030303030303030303030524910303030303030303
              0303030304030303030303030303030303030300070707070707070707070707
              0707000505050505050505050505050505000404040404040404040404040404
              0000030303030303030303000505050505050500000303030307030000070303
              0303030303030303030303070524030303030303030303030324050403030303
              0303030303030303030400037F68900303030303037F68900303030303037F68
              900303030303004D5C5C5C5C5C5C5C4D00000303030303030303030303030303
              03037F774D4D4D4D4D4D4D4D4D4D4D4D777F7F774D4D4D4D4D4D4D4D4D4D4D4D
              777F00030303030303030303030303030303037F774D4D4D4D4D4D4D4D4D4D4D
              4D777F7F774D4D4D4D4D4D4D4D4D4D4D4D777F004D8D70707070707070707070
              708D4D4D7DA3767676767676767676A37D4D4D777C7676767676767676767C77
              4D00071703030303030303030303030303053D84910303030303030303030303
              0410030303030303030303030303030000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000007030303030303
              0303030303030307052403030303030303030303032405040303030303030303
              0303030303040003030303030303030303030303030303030303030303030303
              0303004D4D4D4D4D4D4D4D4D0000030303030303030303030303030303030505
              0505050505050505050505050505060606060606060606060606060606060003
              0303030303030303030303030303030505050505050505050505050505050506
              06060606060606060606060606060600034D4D4D4D4D4D4D4D4D4D4D4D4D0303
              4D4D4D4D4D4D4D4D4D4D4D4D4D03034D4D4D4D4D4D4D4D4D4D4D4D4D03000708
              1703030303030303030303030305C23D24242424242424242424242404B91003
              0303030303030303030303000000000000000000000000000000000000000303
              03030303030303030303030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D03034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D03000703030303030303030303
              0303030705240303030303030303030303240504030303030303030303030303
              0304000303030303030303030303030303030303030303030303030303030004
              0404040404040404000003030303030303030303030303030303057A65656565
              65656565656565657A0506D9C7C7C7C7C7C7C7C7C7C7C7C7D906000303030303
              0303030303030303030303057A6565656565656565656565657A0506D9C7C7C7
              C7C7C7C7C7C7C7C7C7D906000703030303030303030303030303070524030303
              0303030303030303240504030303030303030303030303030400000707070707
              0707070707070707070005050505050505050505050505050004040404040404
              0404040404040400000000000000000000000000000000000000030303030303
              0303030303030303030303034D757C7C7C7C7C7C7C7C7C7C7C7C7C7C754D4D74
              0303030303030303030303030303744D00070303030303030303030303030307
              0524030303030303030303030324050403030303030303030303030303040003
              03A8B003030303030303B24503030303030303B2450303030303000403030303
              030303040000030303030303030303030303030303030532C3C3C3C3C3C3C3C3
              C3C3C3C3320506C5C5C5C5C5C5C5C5C5C5C5C5C5C50600030303030303030303
              030303030303030532C3C3C3C3C3C3C3C3C3C3C3C3320506C5C5C5C5C5C5C5C5
              C5C5C5C5C5C50600070303030303030303030303030307052403030303030303
              0303030324050403030303030303030303030303040000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000003030303030303030303
              03030303030303034D7C6B0303030303030303030303036B7C4D4D907E030303
              03030303030303030303034D0007030303030303030303030303030705240303
              03030303030303030324050403030303030303030303030303040003035AB4B0
              030303030303B34545030303030303B345450303030300040303030303030304
              0000030303030303030303030303030303030557787878323D3D3D3278787878
              570506C4C4C4C41F2727271FC4C4C4C4C4060003030303030303030303030303
              0303030557787878C39898989898C37878570506C4C4C4C4C53737373737C5C4
              C4C4060007030303030303030303030303030705240303030303030303030303
              2405040303030303030303030303030304000303030303030303030303030303
              03037F774D4D4D4D4D4D4D4D4D4D4D4D777F7F774D4D4D4D4D4D4D4D4D4D4D4D
              777F000000000000000000000000000000000303030303030303030303030303
              030303034D7C03030303030303030303030303037C4D4D907E03030303030303
              030303030303034D000703030303030303030303030303070524030303030303
              030303030324050403030303030303030303030303040003035AB0B4B0030303
              0303B3454F450303030303B3454F450303030004030303030303030400000303
              0303034F4545454F03030303030305368181814FE5E5E54F818181813605066E
              6E6E6ED7B7B7B7D76E6E6E6E6E0600030303030366CBCBCBCBCB660303030305
              36818181DCCCCCCCCCCCDC81813605066E6E6E6EE0CDCDCDCDCDE06E6E6E0600
              0703030303030303030303030303070524030303030303030303030324050403
              030303030303030303030303040003030303030303030303030303030303777D
              4D4D4D4D4D4D4D4D4D4D4D4D7D77778D4D4D4D4D4D4D4D4D4D4D4D4D8D770000
              0000000000000000000000000000030303030303030303030303030303030303
              4D7C03030303030303030303030303037C4D4D907E0303030303030303030303
              0303034D00070303030303030303030303030307052403030303030303030303
              0324050403030303030303030303030303040003035AB0B0B0B003030303B345
              45454503030303B34545454503030004030303030303030400000303030303BE
              030303BE0303030303030524C0C0C0B5C0C0C0B55050C0C024050682828282B7
              828282B753538282820600030303030345454545454545030303030524C0C0C0
              E34545454545E3C0C024050682828282DDBCBCBCBCBCDD828282060007030303
              0303030303030303030307052403030303030303030303032405040303030303
              03030303030303030400030303030303030303030303030303034D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D000000000000
              000000000000000000000303030303030303030303030303030303034D7C0303
              0303030303030303030303037C4D4D907E03030303030303030303030303034D
              0007030303030303030303030303030705240303030303030303030303240504
              03030303030303030303030303040003035AB0B4B00303030303B3454F450303
              030303B3454F450303030004030303030303030400000303030303BE030303BE
              47D403030303053D868686B56D6D6DB5C9D186863D050685858585B7606060B7
              CACD858585060003030303030303030303030303030303053D86868686868686
              86868686863D0506858585858585858585858585858506000703030303030303
              0303030303030705240303030303030303030303240504030303030303030303
              030303030400030303030373680303036873030303034D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D00000000000000000000
              0000000000000303030303030303030303030303030303034D7C030303030303
              03030303030303037C4D4D907E03030303030303030303030303034D00070303
              0303030303030303030303070524030303030303030303030324050403030303
              030303030303030303040003035AB4B0030303030303B34545030303030303B3
              454503030303000403030303030303040000030303030347D5E4D54745BA0303
              03030539878787BB69A969BBE3B68787390506C1C1C1C1BDD8D8D8BDDDB8C1C1
              C106000303030303030303030303030303030305398787878787878787878787
              87390506C1C1C1C1C1C1C1C1C1C1C1C1C1C10600070303030303030303030303
              0303070524030303030303030303030324050403030303030303030303030303
              040003030303034C7C6803687C4C030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D0000000000000000000000000000
              00000303030303030303030303030303030303034D7C03030303030303030303
              030303037C4D4D907E03030303030303030303030303034D0007030303030303
              0303030303030307052403030303030303030303032405040303030303030303
              030303030304000303A8B003030303030303B24503030303030303B245030303
              03030004030303030303030400000303030303454547474703BE030303030522
              2A2A2A707047D1D134B52A2A22050648484848D0D0BDD0D053B7484848060003
              03030303030303030303030303030305222A2A2A2A2A2A2A2A2A2A2A2A220506
              4848484848484848484848484848060007030303030303030303030303030705
              2403030303030303030303032405040303030303030303030303030304000303
              0303035C4D7C737C4D5C030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D000000000000000000000000000000000303
              030303030303030303030303030303034D7C0303030303030303030303030303
              7C4D4D907E03030303030303030303030303034D000703030303030303030303
              0303030705240303030303030303030303240504030303030303030303030303
              0304000303030303030303030303030303030303030303030303030303030004
              0404040404040404000003030303030303BE161616BE03030303052234343434
              34B6909090B63434220506414141414141B8E3E3E3B841414106000303030303
              0303030303030303030303052234343434343434343434343422050641414141
              4141414141414141414106000703030303030303030303030303070524030303
              0303030303030303240504030303030303030303030303030400030303030303
              5C4D4C4D5C03030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D00000000000000000000000000000000030303030303
              0303030303030303030303034D7C03030303030303030303030303037C4D4D90
              7E03030303030303030303030303034D00000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              00000000000003030303030303454545454503030303051D3D3D3D3D3D454545
              45453D3D1D0506535353535353BCBCBCBCBC5353530600030303030303030303
              03030303030303051D3D3D3D3D3D3D3D3D3D3D3D3D1D05065353535353535353
              5353535353530600070303030303030303030303030307052403030303030303
              03030303240504030303030303030303030303030400030303030303684C4D4C
              6803030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D0000000000000000000000000000000003030303030303030303
              03030303030303034D7C03030303030303030303030303037C4D4D907E030303
              03030303030303030303034D0000000000000000000000000000000003030303
              030303030303030303030303030303030303036B5C6C4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D6C5C6B6B5C6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C5C
              6B00030303030303030303030303030303030540363636363636363636363636
              4005063E3E3E3E3E3E3E3E3E3E3E3E3E3E060003030303030303030303030303
              03030305403636363636363636363636364005063E3E3E3E3E3E3E3E3E3E3E3E
              3E3E060007030303030303030303030303030705240303030303030303030303
              2405040303030303030303030303030304000303030303687C4D7C4D7C680303
              03034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D000000000000000000000000000000000303030303030303030303030303
              030303034D7C03030303030303030303030303037C4D4D907E03030303030303
              030303030303034D000000000000000000000000000000000303030303030303
              0303030303030303030303030303035C7D6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D6C7D5C5C774C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4C775C000303
              03030303030303030303030303030540323232323232323232323232400506E1
              E1E1E1E1E1E1E1E1E1E1E1E1E106000303030303030303030303030303030305
              40323232323232323232323232400506E1E1E1E1E1E1E1E1E1E1E1E1E1E10600
              0703030303030303030303030303070524910303030303030303039124050403
              030303030303030303030303040003030303037D4D5C035C4D7D030303034D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D0000
              0000000000000000000000000000030303030303030303030303030303030303
              4D7C03030303030303030303030303037C4D4D907E0303030303030303030303
              0303034D00000000000000000000000000000000030303030303030303030303
              03030303030303030303036C6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              6C6C6C4C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4C6C00030303030303
              0303030303030303030305642E2E2E2E2E2E2E2E2E2E2E2E6405061E2F2F2F2F
              2F2F2F2F2F2F2F2F1E06000303030303030303030303030303030305642E2E2E
              2E2E2E2E2E2E2E2E2E6405061E2F2F2F2F2F2F2F2F2F2F2F2F1E060007170303
              0303030303030303031707053D84919191919191919191843D05041003030303
              030303030303031004000303030303A35C0303035CA3030303034D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D000000000000
              000000000000000000000303030303030303030303030303030303034D7C0303
              0303030303030303030303037C4D4D907E03030303030303030303030303034D
              0000000000000000000000000000000003030303030303030303030303030303
              030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D0003030303030303030303
              0303030303030546646464646464646464646464460506D9E0E0E0E0E0E0E0E0
              E0E0E0E0D9060003030303030303030303030303030303054664646464646464
              6464646464460506D9E0E0E0E0E0E0E0E0E0E0E0E0D906000708170303030303
              0303030317080705C23D2424242424242424243DC20504B91003030303030303
              030310B90400030303030303030303030303030303034D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D00000000000000000000
              0000000000000303030303030303030303030303030303034D7C030303030303
              03030303030303037C4D4D968F97979797979797979797979797974D00000000
              0000000000000000000000000303030303030303030303030303030303030303
              0303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D000303030303030303030303030303
              0303050505050505050505050505050505050606060606060606060606060606
              0606000303030303030303030303030303030305050505050505050505050505
              0505050606060606060606060606060606060600000707070707070707070707
              0707000005050505050505050505050505000004040404040404040404040404
              0000030303030303030303030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D0000000000000000000000000000
              00000303030303030303030303030303030303034D7C6B030303030303030303
              0303036B7C4D4DAC9393939393939393939393939393934D0000000000000000
              000000000000000003030303030303030303030303030303030303030303034D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D00000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000303
              03030303030303030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D000000000000000000000000000000000303
              030303030303030303030303030303034D757C7C7C7C7C7C7C7C7C7C7C7C7C7C
              754D4D728080808080808080808080808080724D000000000000000000000000
              0000000003030303030303030303030303030303030303030303034D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D0000000003030303030303030303030303030303030303
              030303036B5C6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C5C6B6B5C6C4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C5C6B0003030303030303030303030303
              030303030303030303036B5C6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C5C
              6B6B5C6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C5C6B0000030303030303
              03030303030303030303777D4D4D4D4D4D4D4D4D4D4D4D4D7D7777774D4D4D4D
              4D4D4D4D4D4D4D4D7777004D4D4D4D4D4D4D4D4D000000000000030303030303
              030303030303030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D03034D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D0300000000000000000000000000000000
              03030303030303030303030303030303030303030303034D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D000000000303030303030303030303030303030303030303030303
              5C7D6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C7D5C5C774C4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4C775C000303030303030303030303030303030303
              0303030303035C7D6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C7D5C5C774C
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4C775C000003030303030303030303
              0303030303037F774D4D4D4D4D4D4D4D4D4D4D4D777F7F774D4D4D4D4D4D4D4D
              4D4D4D4D777F0003030303030303030300000000000003030303030303030303
              0303030303030303000505050505050505050505050505050500000606060606
              0606060606060606060606000003030303030303030300000000000003030303
              030303030303030303030303030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D0000000003030303030303030303030303030303030303030303036C6C4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C6C6C4C4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4C6C00030303030303030303030397030303030303030303
              03036C6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C6C6C4C4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4C6C00000303030303030303030303030303
              0303050505050505050505050505050505050606060606060606060606060606
              0606000303030303030303030000000000000303030303030303030303030303
              0303030305211313131313131313131313131313210506060303030303030303
              0303030303030606000303030303030303030000000000000303030303030303
              0303030303030303030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D000000
              00030303030303035C5C5C5C5C5C680303030303030303034D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D00030303030303030303038F5B96030303030303030303034D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D000003030303030303030303030303030303057A
              6565656565656565656565657A0506D9C7C7C7C7C7C7C7C7C7C7C7C7D9060003
              0303030303030303000000000000030303030303030303030303030303030303
              0513130303030303030303030303031313050615150303030303030303030303
              0303030600030303030303030303000000000000030303030303030303030303
              03030303030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D00000000030303
              030303034D4D4D4D4D4D8D0303030303030303034D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D00030303030303030303038B4D70030303030303030303034D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D0000030303030303030303030303030303030532C3C3C3C3
              C3C3C3C3C3C3C3C3320506C5C5C5C5C5C5C5C5C5C5C5C5C5C506000303030303
              0303030300000000000003030303030303030303030303030303030305130303
              0303030303030303030303031305061515030303030303030303030303030306
              0003030303030303030300000000000003030303030303030303030303030303
              030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D0000000003030303030303
              4D03030303708D0303030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D0003
              0303030303030303038FA368030303030303030303034D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D00000303030303030303030303030303030305577878783698787878
              98367878570506C4C4C4C41F37C4C4C4371FC4C4C40600030303030303030303
              0000000000000303030303030303030303030303030303030513030303030303
              0303030303030303130506151503030303030303030303030303030600030303
              0303030303030000000000000303030303030303030303030303030303030303
              0303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D00000000030303030303034D030303
              03707C5C5C030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D000303030303
              03030303037F765B7F0303030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              0000030303030347CB030303CB47030303030536818181BBCC2A812ACCBB8181
              3605066E6E6E6EBDCD3E6E3ECDBD6E6E6E060003030303030303030300000000
              0000030303030303030303030303030303030303051303030303030303030303
              0303030313050615150303030303030303030303030303060003030303030303
              030300000000000003030303030303030303030303030303030303030303034D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D00000000030303030303034D939393938E4D4D
              4D030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D00030303030303030303
              037E6C4D5C6B03030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D00000303
              0303034545CB03CB4545030303030524C0C0C0C945CF39CF45C9C0C024050682
              828282CABCCD33CDBCCA82828206000303030303030303030000000000000303
              0303030303030303030303030303030305130303030303030303030303030303
              1305061515030303030303030303030303030306000303030303030303030000
              0000000003030303030303030303030303030303030303030303034D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D00000000030303030303034D77777777A38D034D030303
              030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D0003030303030303030303035C4D
              6CCE03030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D0000030303030303
              4545BE45450303030303053D86868686C945B645C98686863D05068585858585
              CABCB8BCCA858585850600757575757575757575000000000000030303030303
              0303030303030303030303030513030303030303030303030303030313050615
              1503030303030303030303030303030600757575757575757575000000000000
              03030303030303030303030303030303030303030303036C6C4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D6C6C6C4C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4C6C00000000030303030303034D4D4D4D4D4D5C034D03030303030303
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D0003030303030303039074CE7E8D4D730303
              0303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D000003030303030303BE45BE
              0303030303030539878787875EB645B65E878787390506C1C1C1C1C152B8BCB8
              52C1C1C1C1060007070707070707070700000000000003030303030303030303
              0303030303030303051303030303030303030303030303031305061515030303
              030303030303030303030306004D4D4D4D4D4D4D4D4D00000000000003030303
              030303030303030303030303030303030303035C7D6C4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D6C7D5C5C7D4C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4C7D
              5C000000000303030303030303038D8E939393934D030303030303034D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D000303030303030303687677727D4D71030303030303
              03034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D0000030303030303CB454545CB030303
              030305222A2A2A32CC45B645CC322A2A2205064848484827E2BCB8BCE2274848
              4806000303030303030303030000000000000303030303030303030303030303
              0303030305130303030303030303030303030303130506151503030303030303
              0303030303030306000303030303030303030000000000000303030303030303
              0303030303030303030303030303036B5C6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D6C5C6B6B5C6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C5C6B000000
              000303030303030303038DA3777777774D030303030303034D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D0003030303030303037E6C4D6C4D6C7E03030303030303034D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D00000303030303D44545034545D4030303030522
              343434CC45D134D145CC343422050641414141E2BCD041D0BCE2414141060003
              0303030303030303000000000000030303030303030303030303030303030303
              0513030303030303030303030303030313050615150303030303030303030303
              0303030600030303030303030303000000000000030303030303030303030303
              0303030303030303030303050505050505050505050505050505050505050505
              0505060606060606060606060606060606060606060606060600000000030303
              0303030303035C4D4D4D4D4D4D030303030303034D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D000303030303030303038F8E7D8E8F0303030303030303034D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D000003030303034545030303454503030303051D3D3D3DBB
              CF3D3D3DCFBB3D3D1D050653535353BDD0535353D0BD53535306000303030303
              0303030300000000000003030303030303030303030303030303030305130303
              0303030303030303030303031305061515030303030303030303030303030306
              0003030303030303030300000000000003030303030303030303030303030303
              03030303030303057B296565656565656565656565656565656565297B0506AD
              C6C7C7C7C7C7C7C7C7C7C7C7C7C7C7C7C7C7C6AD060000000003030303030303
              030303030303030303030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D0003
              030303030303030303030303030303030303030303034D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D00000303030303030303030303030303030305403636363636363636
              363636364005063E3E3E3E3E3E3E3E3E3E3E3E3E3E0600030303030303030303
              0000000000000303030303030303030303030303030303030513030303030303
              0303030303030303130506151503030303030303030303030303030600030303
              0303030303030000000000000303030303030303030303030303030303030303
              03030305246DC3C3C3C3C3C3C3C3C3C3C3C3C3C3C3C3C36D240506C6C5C5C5C5
              C5C5C5C5C5C5C5C5C5C5C5C5C5C5C5C606000000000303030303030303030303
              0303030303030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D000303030303
              0303030303030303030303030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              0000030303030303030303030303030303030540323232323232323232323232
              400506E1E1E1E1E1E1E1E1E1E1E1E1E1E1060003030303030303030300000000
              0000030303030303030303030303030303030303051303030303030303030303
              0303030313050615150303030303030303030303030303060003030303030303
              0303000000000000030303030303030303030303030303030303030303030305
              5778787878787878787878787878787878787878570506C4C4C4C4C4C4C4C4C4
              C4C4C4C4C4C4C4C4C4C4C4C40600000000030303030303030303030303030303
              03030303030303036C6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C6C6C
              4C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4C6C00030303030303030303
              03030303030303030303030303036C6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D6C6C6C4C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4C6C00000303
              030303030303030303030303030305642E2E2E2E2E2E2E2E2E2E2E2E6405061E
              2F2F2F2F2F2F2F2F2F2F2F2F1E06000303030303030303030000000000000303
              0303030303030303030303030303030305130303030303030303030303030303
              1305061515151515151515151515151515151506000303030303030303030000
              0000000003030303030303030303030303030303030303030303030529818181
              81818181818181818181818181818181290506C4C4C4C4C4C4C4C4C4C4C4C4C4
              C4C4C4C4C4C4C4C4060000000003030303030303030303030303030303030303
              030303035C7D6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C7D5C5C7D4C4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4C7D5C0003030303030303030303030303
              030303030303030303035C7D6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C7D
              5C5C7D4C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4C7D5C0000030303030303
              030303030303030303030546646464646464646464646464460506D9E0E0E0E0
              E0E0E0E0E0E0E0E0D90600030303030303030303000000000000030303030303
              0303030303030303030303030513130303030303030303030303031313050615
              1515151515151515151515151515150600030303030303030303000000000000
              0303030303030303030303030303030303030303030303053684848484848484
              8484848484848484848484843605066E6E6E6E6E6E6E6E6E6E6E6E6E6E6E6E6E
              6E6E6E6E06000000000303030303030303030303030303030303030303030303
              6B5C6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C5C6B6B5C6C4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D6C5C6B000303030303030303030303030303030303
              0303030303036B5C6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C5C6B6B5C6C
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C5C6B000003030303030303030303
              0303030303030505050505050505050505050505050506060606060606060606
              0606060606060003030303030303030300000000000003030303030303030303
              0303030303030303052113131313131313131313131313132105061415151515
              1515151515151515151514060003030303030303030300000000000003030303
              030303030303030303030303030303030303030543C0C0C0C0C0C0C0C0C0C0C0
              C0C0C0C0C0C0C0C0430506828282828282828282828282828282828282828282
              0600000000030303030303030303030303030303030303030303030305050505
              0505050505050505050505050505050505050506060606060606060606060606
              0606060606060606060600030303030303030303030303030303030303030303
              0303050505050505050505050505050505050505050505050506060606060606
              0606060606060606060606060606060600000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000303030303030303030303030303
              0303030300050505050505050505050505050505050000060606060606060606
              0606060606060600000707070707070707070000000000000303030303030303
              030303030303030303030303030303053D868686868686868686868686868686
              868686863D050685858585858585858585858585858585858585858506000000
              000303030303030303030303030303030303030303030303057B296565656565
              656565656565656565656565297B0506ADC6C7C7C7C7C7C7C7C7C7C7C7C7C7C7
              C7C7C7C6AD06000303030303030303030303030303030303030303030303057B
              296565656565656565656565656565656565297B0506ADC6C7C7C7C7C7C7C7C7
              C7C7C7C7C7C7C7C7C7C6AD060000034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D03034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D03034D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D0300000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000030303030303030303030303
              0303030303030303030303053987878787878787878787878787878787878787
              390506C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C10600000000030303
              030303030303030303030303030303030303030305246DC3C3C3C3C3C3C3C3C3
              C3C3C3C3C3C3C3C36D240506C6C5C5C5C5C5C5C5C5C5C5C5C5C5C5C5C5C5C5C5
              C60600030303030303030303030303030303030303030303030305246DC3C3C3
              C3C3C3C3C36DC3C3C3C3C3C3C3C36D240506C6C5C5C5C5C5C5C5C5C5C7C5C5C5
              C5C5C5C5C5C5C60600004D778D7D7D7D7D7D7D7D7D7D7D7D7D7D7D7D8D774D4D
              777D7C7C7C7C7C7C7C7C7C7C7C7C7C7C7C7D774D4D5B7E030303030303030303
              0303030303037E5B4D0003030303030303030303030303030303030303030303
              036B5C6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C5C6B6B5C6C4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D6C5C6B0003030303030303030303030303030303
              0303030303030305222A2A2A2A2A2A2A2A2A2A2A2A2A2A2A2A2A2A2A22050648
              4848484848484848484848484848484848484848060000000003030303030303
              0303030303030303030303030303030305577878787878656565656565987878
              7878787878570506C4C4C4C4C4C49B9B9B9B9B9B33C4C4C4C4C4C4C4C4060003
              0303030303030303030390030303030303030303030305577878787878787878
              5EA02A7878787878787878570506C4C4C4C4C4C4C4C4C4C77B37C4C4C4C4C4C4
              C4C4C40600004D8D8F0303030303030303030303030303038F8D4D4D7D8F0303
              030303030303030303030303038F7D4D4DCE7E03030303030303030303030303
              0303037E4D0003030303030303030303030303030303030303030303035C7D6C
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C7D5C5C774C4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4C775C000303030303030303030303030303030303030303
              0303030522303030303030303030303030303030303030302205064141414141
              4141414141414141414141414141414106000000000303030303030345454545
              4545B20303030303030303030529818181818145454545454570818181818181
              81290506C4C4C4C4C4C4BCBCBCBCBCBCCDC4C4C4C4C4C4C4C406000303030303
              0303030303B645B60303030303030303030305298181818181818181DE45DF81
              81818181818181290506C4C4C4C4C4C4C4C4C4D9BC06C4C4C4C4C4C4C4C4C406
              00004D7D03030303030303030303030303030303037D4D4D7C03030303030303
              030303030303030303037C4D4D907E0303030303030303030303030303030303
              4D0003030303030303030303030303030303030303030303036C6C4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C6C6C4C4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4C6C00030303030303030303030303030303030303030303030305
              1D393939393939393939393939393939393939391D0506535353535353535353
              5353535353535353535353530600000000030303030303034503030303D4B203
              0303030303030303053684848484844584848484697084848484848484360506
              6E6E6E6E6E6EBC6E6E6E6ED8D06E6E6E6E6E6E6E6E0600030303030303030303
              03D4BECB0303030303030303030305368484848484848484DCB2AA8484848484
              8484843605066E6E6E6E6E6E6E6E6E88B7DD6E6E6E6E6E6E6E6E6E0600004D7D
              03030303030303030303030303030303037D4D4D7C0303030303030303030303
              0303030303037C4D4D907E03030303030303030303030303030303034D000303
              0303030303036868686868686803030303030303034D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D000303030303030303030303030303030303030303030303051D434343
              434343434343434343434343434343431D05063E3E3E3E3E3E3E3E3E3E3E3E3E
              3E3E3E3E3E3E3E3E0600000000030303030303034503030303D4CB0303030303
              030303030543C0C0C0C0C045C0C0C0C069CF2929C0C0C0C0C043050682828282
              8282BC82828282ADCD2727828282828282060003030303030303030303D5B64E
              030303030303030303030543C0C0C0C0C0C0C0C0A5B25178C0C0C0C0C0C0C043
              050682828282828282828288B78A6E82828282828282820600004D7D03030303
              030303030303030303030303037D4D4D7C030303030303030303030303030303
              03037C4D4D907E03030303030303030303030303030303034D00030303030303
              03037C7C7C7C7C7C7C03030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D00
              0303030303030303030303030303030303030303030303054057575757575757
              5757575757575757575757574005063737373737373737373737373737373737
              373737370600000000030303030303034503030303D545454503030303030303
              053D8686868686456D6D6D6D6945454586868686863D0506858585858585BC60
              606060D8BCBCBC858585858585060003030303030303030303454F4FCE030303
              030303030303053D8686868686868686C24F4751C08686868686863D05068585
              8585858585858588D7D75985858585858585850600004D7D0303030303030303
              0303030303030303037D4D4D7C03030303030303030303030303030303037C4D
              4D907E03030303030303030303030303030303034D0003030303030303034D4D
              4D4D4D4D4D03030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D0003030303
              0303030303030303030303030303030303030305406565656565656565656565
              6565656565656565400506376161616161616161616161616161616161616137
              0600000000030303030303034566666666D4B203450303030303030305398787
              87878745A9A9A9A9D17087458787878787390506C1C1C1C1C1C1BCD8D8D8D8D3
              D0C1BCC1C1C1C1C1C1060003030303030303030303034F45477F030303030303
              03030539878787878787878787C945BB4A878787878787390506C1C1C1C1C1C1
              C1C1C1C1CABCBDC6C1C1C1C1C1C1C10600004D7D030303030303030303030303
              03030303037D4D4D7C03030303030303030303030303030303037C4D4D907E03
              030303030303030303030303030303034D0003030303030303035C5C5C5C5C5C
              5C03030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D000303030303030303
              030303030303030303030303030303051D222E2E2E2E2E2E2E2E2E2E2E2E2E2E
              2E2E2E221D050649B12727272727272727272727272727272727B14906000000
              00030303030303034545454545454503450303030303030305222A2A2A2A2A45
              4545454545702A452A2A2A2A2A220506484848484848BCBCBCBCBCBCD048BC48
              48484848480600030303030303030303030345B645CB03030303030303030522
              2A2A2A2A2A2A3D2E4346D145622A2A2A2A2A2A220506484848484848483E1F61
              49D3BCDB484848484848480600004D7D03030303030303030303030303030303
              037D4D4D7C03030303030303030303030303030303037C4D4D907E0303030303
              0303030303030303030303034D00030303030303030303030303030303030303
              03030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D00030303030303030303030303
              0303030303030303030303058340646464646464646464646464646464646440
              830506ADAEAFAFAFAFAFAFAFAFAFAFAFAFAFAFAFAFAFAEAD0600000000030303
              030303030303B2D5030303034503030303030303052230303030303030CCA936
              3636364530303030302205064141414141414141CDD861616161BC4141414141
              4106000303030303030303BABEB303A845470303030303030303052230303030
              303062B2AC1D80458030303030303022050641414141414141D9B7D831DABCDA
              414141414141410600004D7D03030303030303030303030303030303037D4D4D
              7C03030303030303030303030303030303037C4D4D907E030303030303030303
              03030303030303034D0003030303030303030303030303030303030303030303
              034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D0003030303030303030303030303030303
              0303030303030305050505050505050505050505050505050505050505050606
              0606060606060606060606060606060606060606060000000003030303030303
              0303B2D4666666664503030303030303051D39393939393939CCD56868686845
              39393939391D05065353535353535353CDCDD6D6D6D6BC535353535353060003
              030303030303034545454F4545450303030303030303051D3939393939391247
              45474547123939393939391D0506535353535353531ED7BCD7BCD71E53535353
              5353530600004D7D03030303030303030303030303030303037D4D4D7C030303
              03030303030303030303030303037C4D4D907E03030303030303030303030303
              030303034D0003030303030303030303030303030303030303030303034D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000303030303030303034545
              454545454503030303030303051D43434343434343CF45454545454543434343
              431D05063E3E3E3E3E3E3E3ED0BCBCBCBCBCBC3E3E3E3E3E3E06000303030303
              030303034545454545030303030303030303051D4343434343434399D1B5D199
              434343434343431D05063E3E3E3E3E3E3E3ED2D3B7D3D23E3E3E3E3E3E3E3E06
              00004D7D03030303030303030303030303030303037D4D4D7C03030303030303
              030303030303030303037C4D4D907E0303030303030303030303030303030303
              4D0003030303030303030303030303030303030303030303034D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D00000000030303030303030303030303030303030303030303
              03036B5C6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C5C6B6B5C6C4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D6C5C6B00030303030303030303030303030303
              0303030303030303054057575757575757575757575757575757575757400506
              3737373737373737373737373737373737373737370600030303030303030303
              0303030303030303030303030303054057575757575757575757575757575757
              5757574005063737373737373737373737373737373737373737370600004D7D
              03030303030303030303030303030303037D4D4D7C0303030303030303030303
              0303030303037C4D4D907E03030303030303030303030303030303034D000303
              0303030303030303030303030303030303030303034D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D0000000003030303030303030303030303030303030303030303035C7D
              6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C7D5C5C774C4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4C775C0003030303030303030303030303030303030303
              0303030305406565656565656565656565656565656565656540050637616161
              6161616161616161616161616161616137060003030303030303030303030303
              0303030303030303030305406565656565656565656565656565656565656540
              05063761616161616161616161616161616161616161370600004D7D03030303
              030303030303030303030303037D4D4D7C030303030303030303030303030303
              03037C4D4D907E03030303030303030303030303030303034D00030303030303
              03030303030303030303030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D00
              00000003030303030303030303030303030303030303030303036C6C4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C6C6C4C4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4C6C000303030303030303030303030303030303030303030303
              051D222E2E2E2E2E2E2E2E2E2E2E2E2E2E2E2E2E221D050649B1272727272727
              2727272727272727272727B14906000303030303030303030303030303030303
              030303030303051D222E2E2E2E2E2E2E2E2E2E2E2E2E2E2E2E2E221D050649B1
              2727272727272727272727272727272727B1490600004D7D0303030303030303
              0303030303030303037D4D4D7C03030303030303030303030303030303037C4D
              4D907E03030303030303030303030303030303034D0003030303030303030303
              030303030303030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D0000000003
              0303030303035C5C5C5C5C5C5C5C5C030303030303034D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D00030303030303030303030303030303030303030303030305834064
              6464646464646464646464646464646440830506ADAEAFAFAFAFAFAFAFAFAFAF
              AFAFAFAFAFAFAFAEAD0600030303030303030303030303030303030303030303
              0303058340646464646464646464646464646464646440830506ADAEAFAFAFAF
              AFAFAFAFAFAFAFAFAFAFAFAFAFAEAD0600004D7D030303030303030303030303
              03030303037D4D4D7C03030303030303030303030303030303037C4D4D907E03
              030303030303030303030303030303034D000303030303030303030303030303
              0303030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D000000000303030303
              03034D4D4D4D4D4D4D4D4D030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              0003030303030303030303030303030303030303030303030505050505050505
              0505050505050505050505050505050606060606060606060606060606060606
              0606060606060003030303030303030303030303030303030303030303030505
              0505050505050505050505050505050505050505050606060606060606060606
              06060606060606060606060600004D7D03030303030303030303030303030303
              037D4D4D7C03030303030303030303030303030303037C4D4D907E0303030303
              0303030303030303030303034D00030303030303030303030303030303030303
              03030303036C6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C6C6C4C4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4C6C00000000030303030303034D03
              0303030303034D030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D00000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              000000000000000000004D7D03030303030303030303030303030303037D4D4D
              7C03030303030303030303030303030303037C4D4D907E030303030303030303
              03030303030303034D0003030303030303030303030303030303030303030303
              035C7D6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C7D5C5C7D4C4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4C7D5C00000000030303030303034D0303030303
              03034D030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D0003030303030303
              0303030303030303030303030303030303000000000003030303030303030303
              030303030303030303030303036B5C6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D6C5C6B6B5C6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C5C6B0003030303
              030303030303030303030303030303030303030303030300034D4D4D4D4D4D4D
              0300000000004D7D03030303030303030303030303030303037D4D4D7C030303
              03030303030303030303030303037C4D4D907E03030303030303030303030303
              030303034D0003030303030303030303030303030303030303030303036B5C6C
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C5C6B6B5C6C4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D6C5C6B00000000030303030303034D030303030303034D03
              0303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D00037D7D7D7D7D7D03037D7D
              7D7D7D7D03037D7D7D7D7D7D0300000000000303030303030303030303030303
              0303030303030303035C7D6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C7D5C
              5C774C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4C775C00030303030390687F
              03030303030390687F03030303030390687F03004D747171717171744D000000
              00004D7D03030303030303030303030303030303037D4D4D7C03030303030303
              030303030303030303037C4D4D907E0303030303030303030303030303030303
              4D00030303030303030303030303030303030303030303030305050505050505
              0505050505050505050505050505050506060606060606060606060606060606
              0606060606060600000000030303030303034D030303030303034D0303030303
              03034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D00034D4D4D4D4D4D03034D4D4D4D4D4D
              03034D4D4D4D4D4D030000000000030303030303030303030303030303030303
              03030303036C6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C6C6C4C4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4C6C0003030303936C5B9003030303
              03936C5B900303030303936C5B9003004D710303030303714D00000000004D7D
              03030303030303030303030303030303037D4D4D7C0303030303030303030303
              0303030303037C4D4D968F97979797979797979797979797979797974D000303
              030303030303030303030303030303030303030303057B296565656565656565
              656565656565656565297B0506ADC6C7C7C7C7C7C7C7C7C7C7C7C7C7C7C7C7C7
              C6AD0600000000030303030303034D030303030303034D030303030303034D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D00037D7D7D7D7D7D03037D7D7D7D7D7D03037D7D
              7D7D7D7D0300000000000303030303030374737E0303037E7374030303030303
              034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D00030303AC6C4D759003030303AC6C4D75
              9003030303AC6C4D759003004D710303030303714D00000000004D8D8F030303
              0303030303030303030303038F8D4D4D7D8F0303030303030303030303030303
              038F7D4D4DAC9393939393939393939393939393939393CE4D00030303030303
              030303030303030303030303030303030305246DC3C3C3C3C3C3C3C3C3C3C3C3
              C3C3C3C3C36D240506C6C5C5C5C5C5C5C5C5C5C5C5C5C5C5C5C5C5C5C5C60600
              000000030303030303034D5C5C5C5C5C5C5C4D030303030303034D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D00034D4D4D4D4D4D03034D4D4D4D4D4D03034D4D4D4D4D4D
              03000000000003030303030303764C727E037E724C76030303030303034D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D0003038F4D4D4D75900303038F4D4D4D7590030303
              8F4D4D4D759003004D710303030303714D00000000004D778D7D7D7D7D7D7D7D
              7D7D7D7D7D7D7D7D8D774D4D777D7C7C7C7C7C7C7C7C7C7C7C7C7C7C7C7D774D
              4D757180808080808080808080808080808071754D0003030303030303030303
              0303030303030303030303030305577878787878789898989898989878787878
              7878570506C4C4C4C4C4C4C433333333333333C4C4C4C4C4C4C4060000000003
              0303030303034D4D4D4D4D4D4D4D4D030303030303034D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D00037D7D7D7D7D7D03037D7D7D7D7D7D03037D7D7D7D7D7D03000000
              0000030303030303037C4D6C727F726C4D7C030303030303034D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D00030303AC6C4D759003030303AC6C4D759003030303AC6C4D
              759003004D710303030303714D0000000000034D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D03034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D03034D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D03000303030303030303CBCBCBCBCBCB
              CB03030303030303030529818181818181CCCCCCCCCCCCCC8181818181812905
              06C4C4C4C4C4C4C4CDCDCDCDCDCDCDC4C4C4C4C4C4C406000000000303030303
              03034D4D4D4D4D4D4D4D4D030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              00034D4D4D4D4D4D03034D4D4D4D4D4D03034D4D4D4D4D4D0300000000000303
              03030303037F764D6C756C4D767F030303030303034D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D0003030303936C5B900303030303936C5B900303030303936C5B900300
              4D710303030303714D0000000000000404040404040404040404040404040404
              0404000005050505050505050505050505050505050505000006060606060606
              0606060606060606060606060000030303030303030345454545454545030303
              03030303030536848484848484454545454545458484848484843605066E6E6E
              6E6E6E6EBCBCBCBCBCBCBC6E6E6E6E6E6E6E0600000000030303030303030303
              03030303030303030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D00030303
              0303030303030303030303030303030303030303030000000000030303030303
              03037F764D4D4D767F03030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D00
              030303030390687F03030303030390687F03030303030390687F03004D747171
              717171744D000000000004B92803030303030303030303030303030328B90405
              832E1313131313131313131313131313132E8305060606030303030303030303
              0303030303030606060003030303030303034545454545454503030303030303
              030543C0C0C0C0C0C0C9C9C9C9C9C9C9C0C0C0C0C0C043050682828282828282
              CACACACACACACA82828282828282060000000003030303030303030303030303
              030303030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D0003030303030303
              0303030303030303030303030303030303000000000003030303030303037E8E
              4D4D4D8E7E03030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D0003030303
              030303030303030303030303030303030303030303030300034D4D4D4D4D4D4D
              030000000000042803030303030303030303030303030303032804052E130303
              03030303030303030303030303132E05062D1503030303030303030303030303
              0303030606000303030303030303030303030303030303030303030303053D86
              8686868686868686868686868686868686863D05068585858585858585858585
              8585858585858585858506000000000303030303030303030303030303030303
              0303030303036C6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C6C6C4C4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4C6C000303030303030303030303
              030303030303030303030303030000000000030303030303037E726C4D4D4D6C
              727E030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D000303030303030303
              030303030303030303030303030303030303030000C8C8C8C8C8C8C800000000
              0000040303030303030303030303030303030303030304051303030303030303
              0303030303030303030313050615150303030303030303030303030303030303
              0600030303030303030303030303030303030303030303030305398787878787
              8787878787878787878787878787390506C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1
              C1C1C1C1C1C10600000000030303030303030303030303030303030303030303
              03035C7D6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C7D5C5C7D4C4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4C7D5C00030707070707070303050505050505
              030305050505050503000000000003030303030303706C4D7693764D6C700303
              03030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D000303030303B0A80303030303
              030345B20303030303030345B2030300C80F03030303030FC800000000000403
              0303030303030303030303030303030303030405130303030303030303030303
              0303030303031305061515030303030303030303030303030303030306000303
              03030303030303030303030303030303030303030305222A2A2A2A2A2A2A2A2A
              2A2A2A2A2A2A2A2A2A2A22050648484848484848484848484848484848484848
              4848060000000003030303030303030303030303030303030303030303036B5C
              6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C5C6B6B5C6C4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D6C5C6B0003030303030303030303030303030303030303
              0303030303000000000003030303030303764D767F037F764D76030303030303
              034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D0003030303B0B45A0303030303034545B3
              0303030303034545B3030300C803030303030303C80000000000040303030303
              0303030303030303030303030303040513030303030303030303030303030303
              0303130506151503030303030303030303030303030303030600030303030303
              0303030303030303030303030303030303052230303030303030303030303030
              3030303030302205064141414141414141414141414141414141414141410600
              0000000303030303030303030303030303030303030303030303050505050505
              0505050505050505050505050505050505060606060606060606060606060606
              0606060606060606000307070707070703030505050505050303050505050505
              030000000000030303030303037D7C7F0303037F7C7D030303030303034D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D00030303B0B4B05A0303030303454F45B303030303
              03454F45B3030300C803030303030303C8000000000004030303030303030303
              0303030303030303030304051303030303030303030303030303030303031305
              0615150303030303030303030303030303030303060003030303030303030303
              03030303030303030303030303051D3939393939393939393939393939393939
              39391D0506535353535353535353535353535353535353535353060000000003
              03030303030303030303030303030303030303030303057B2965656565656565
              65656565656565656565297B0506ADC6C7C7C7C7C7C7C7C7C7C7C7C7C7C7C7C7
              C7C6AD0600030303030303030303030303030303030303030303030303000000
              000003030303030303030303030303030303030303030303034D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D000303B0B0B0B05A0303030345454545B30303030345454545
              B3030300C803030303030303C800000000000403030303030303030303030303
              0303030303030405130303030303030303030303030303030303130506151503
              0303030303030303030303030303030306000303030303030303030303030303
              030303030303030303051D434343434343434343434343434343434343431D05
              063E3E3E3E3E3E3E3E3E3E3E3E3E3E3E3E3E3E3E3E3E06000000000303030303
              03030303030303030303030303030303030305246DC3C3C3C3C3C3C3C3C3C3C3
              C3C3C3C3C3C36D240506C6C5C5C5C5C5C5C5C5C5C5C5C5C5C5C5C5C5C5C5C606
              0003070707070707030305050505050503030505050505050300000000000303
              0303030303030303030303030303030303030303034D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D00030303B0B4B05A0303030303454F45B30303030303454F45B3030300
              C803030303030303C80000000000040303030303030303030303030303030303
              0303040513030303030303030303030303030303030313050615150303030303
              0303030303030303030303030600030303030303030303030303030303030303
              0303030303054057575757575757575757575757575757575757400506373737
              3737373737373737373737373737373737370600000000030303030303030303
              0303030303030303030303030303055778787878786565656565656565657878
              787878570506C4C4C4C4C4C49B9B9B9B9B9B9B9B9BC4C4C4C4C4C40600030303
              0303030303030303030303030303030303030303030000000000030303030303
              03030303030303030303030303030303036C6C4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D6C6C6C4C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4C6C00
              03030303B0B45A0303030303034545B30303030303034545B3030300C8030303
              03030303C8000000000004030303030303030303030303030303030303030405
              1303030303030303030303030303030303031305061515030303030303030303
              0303030303030303060003030303030303030303030303030303030303030303
              0305406565656565656565656565656565656565656540050637616161616161
              6161616161616161616161616137060000000003030303030303454545454545
              4545450303030303030305298181818181454545454545454545818181818129
              0506C4C4C4C4C4C4BCBCBCBCBCBCBCBCBCC4C4C4C4C4C4060000000000000000
              0000000000000000000000000000000000000000000003030303030303030303
              030303030303030303030303035C7D6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D6C7D5C5C7D4C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4C7D5C0003030303
              03B0A80303030303030345B20303030303030345B2030300C80F03030303030F
              C800000000000403030303030303030303030303030303030303040513030303
              0303030303030303030303030303130506151503030303030303030303030303
              0303030306000303030303030303030303030303030303030303030303051D22
              2E2E2E2E2E2E2E2E2E2E2E2E2E2E2E2E2E221D050649B1272727272727272727
              2727272727272727B14906000000000303030303030345030303030303034503
              0303030303030536848484848445848484848484844584848484843605066E6E
              6E6E6E6EBC6E6E6E6E6E6E6EBC6E6E6E6E6E6E06000303030303030303030303
              0303030303030303030303030303030300000303030303030303030303030303
              0303030303030303036B5C6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C5C6B
              6B5C6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C5C6B000303030303030303
              030303030303030303030303030303030303030000C8C8C8C8C8C8C800000000
              0000040303030303030303030303030303030303030304051303030303030303
              0303030303030303030313050615150303030303030303030303030303030303
              0600030303030303030303030303030303030303030303030305834064646464
              6464646464646464646464646440830506ADAEAFAFAFAFAFAFAFAFAFAFAFAFAF
              AFAFAFAFAEAD0600000000030303030303034503030303030303450303030303
              03030543C0C0C0C0C045C0C0C0C0C0C0C045C0C0C0C0C0430506828282828282
              BC82828282828282BC8282828282820600030303030303030303030303030303
              0303030303030303030303030000030303030303030303030303030303030303
              0303030303050505050505050505050505050505050505050505050506060606
              0606060606060606060606060606060606060600000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000403
              0303030303030303030303030303030303030405130303030303030303030303
              0303030303031305061515030303030303030303030303030303030306000303
              0303030303030303030303030303030303030303030505050505050505050505
              0505050505050505050505050606060606060606060606060606060606060606
              060606000000000303030303030345030303030303034503030303030303053D
              868686868645868686868686864586868686863D0506858585858585BC858585
              85858585BC8585858585850600030303038F03030303030303038F0303030303
              0303038F03030303000003030303030303030303030303030303030303030303
              03057B296565656565656565656565656565656565297B0506ADC6C7C7C7C7C7
              C7C7C7C7C7C7C7C7C7C7C7C7C6AD060000000000000000000000000000030303
              0303030303030303030303030303030303030303030303030000040303030303
              0303030303030303030303030303040513030303030303030303030303030303
              0303130506151503030303030303030303030303030303030600000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000303030303030345030303030303034503030303030303053987878787
              874587878787878787458787878787390506C1C1C1C1C1C1BCC1C1C1C1C1C1C1
              BCC1C1C1C1C1C10600030303AC4DAC030303030303AC4DAC030303030303AC4D
              AC0303030000030303030303030303030303030303030303030303030305246D
              C3C3C3C3C3C3C3C3C3C3C3C3C3C3C3C3C36D240506C6C5C5C5C5C5C5C5C5C5C5
              C5C5C5C5C5C5C5C5C5C6060000000000000000000000000000037F9090909090
              7F03037F90909090907F03037F90909090907F03000004030303030303030303
              0303030303030303030304051303030303030303030303030303030303031305
              0615150303030303030303030303030303030303060003034D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D03030003
              0303030303034503030303030303450303030303030305222A2A2A2A2A452A2A
              2A2A2A2A2A452A2A2A2A2A220506484848484848BC48484848484848BC484848
              48484806000303936C4D6C9303030303936C4D6C9303030303936C4D6C930303
              0000030303030303030303030303030303030303030303030305577878787878
              4343C3787878C343437878787878570506C4C4C4C4C4C41F1FC5C4C4C4C51F1F
              C4C4C4C4C4C406000000000000000000000000000003685B7575755B68030368
              5B7575755B680303685B7575755B680300000403030303030303030303030303
              0303030303030405130303030303030303030303030303030303130506151503
              030303030303030303030303030303030600036C5B777D7D7D7D7D7D7D7D7D7D
              7D7D7D7D7D7D775B6C03036C757C7C7C7C7C7C7C7C7C7C7C7C7C7C7C7C7C7C75
              6C03036CAC6B030303030303030303030303030303036BAC6C03000303030303
              03034503030303030303450303030303030305223030303030451D1D1D1D1D1D
              1D453030303030220506414141414141BC35353535353535BC41414141414106
              0003906C4D4D4D6C900303906C4D4D4D6C900303906C4D4D4D6C900300000303
              0303030303BEBE2003030320BEBE0303030303030305298181818181B5B68CC3
              81C38CB6B58181818181290506C4C4C4C4C4C4B7B81EC4C4C41EB8B7C4C4C4C4
              C4C406000000000000000000000000000003906C4D4D4D6C900303906C4D4D4D
              6C900303906C4D4D4D6C90030000040303030303030303030303030303030303
              0303040513030303030303030303030303030303030313050615150303030303
              03030303030303030303030306004D5B707E0303030303030303030303030303
              03037E705B4D4D75727E030303030303030303030303030303037E72754D4D74
              7E03030303030303030303030303030303030303AC4D00030303030303034545
              4545454545454503030303030303051D39393939394545454545454545453939
              3939391D0506535353535353BCBCBCBCBCBCBCBCBC535353535353060003685B
              7575755B680303685B7575755B680303685B7575755B68030000030303030303
              034F454720032047454F0303030303030305368484848484B645BB8CC38CBB45
              B684848484843605066E6E6E6E6E6EB8BCBF1E601EBFBCB86E6E6E6E6E6E0600
              000000000000000000000000000303936C4D6C9303030303936C4D6C93030303
              03936C4D6C930303000004030303030303030303030303030303030303030405
              1303030303030303030303030303030303031305061515030303030303030303
              030303030303030306004D777E0303030303030303030303030303030303037E
              774D4D7C7E0303030303030303030303030303030303037E7C4D4D937E030303
              030303030303030303030303030303036B4D0003030303030303454545454545
              45454503030303030303051D434343434345454545454545454543434343431D
              05063E3E3E3E3E3EBCBCBCBCBCBCBCBCBC3E3E3E3E3E3E0600037F9090909090
              7F03037F90909090907F03037F90909090907F03000003030303030303454F45
              474E47454F45030303030303030543C0C0C0C0C0C2BA45BB51BB45BAC2C0C0C0
              C0C043050682828282828288BDBCBF8ABFBCBD88828282828282060000000000
              000000000000000000030303AC4DAC030303030303AC4DAC030303030303AC4D
              AC03030300000403030303030303030303030303030303030303040513030303
              0303030303030303030303030303130506151503030303030303030303030303
              0303030306004D7D03030303030303030303030303030303030303037D4D4D7C
              03030303030303030303030303030303030303037C4D4D907E03030303030303
              030303030303030303030303034D000303030303030303030303030303030303
              0303030303030540575757575757575757575757575757575757574005063737
              3737373737373737373737373737373737373706000303030303030303030303
              0303030303030303030303030303030300000303030303030303454F4545454F
              450303030303030303053D868686868686C2BB454545BBC28686868686863D05
              068585858585858588BDBCBCBCBD888585858585858506000000000000000000
              0000000000030303038F03030303030303038F03030303030303038F03030303
              0000040303030303030303030303030303030303030304051303030303030303
              0303030303030303030313050615150303030303030303030303030303030303
              06004D7D03030303030303030303030303030303030303037D4D4D7C03030303
              030303030303030303030303030303037C4D4D907E0303030303030303030303
              0303030303030303034D00030303030303030303030303030303030303030303
              0303054065656565656565656565656565656565656565400506376161616161
              6161616161616161616161616161370600030303030303030303030303030303
              03030303030303030303030300000303030303030303034E4545454E03030303
              03030303030539878787878787C05445454554C0878787878787390506C1C1C1
              C1C1C1C1858ABCBCBC8A85C1C1C1C1C1C1C10600000000000000000000000000
              0003030303030303030303030303030303030303030303030303030300000403
              0303030303030303030303030303030303030405130303030303030303030303
              0303030303031305061515151515151515151515151515151515151506004D7D
              03030303030303030303030303030303030303037D4D4D7C0303030303030303
              0303030303030303030303037C4D4D907E030303030303030303030303030303
              03030303034D000303030303030303030303030303030303030303030303051D
              222E2E2E2E2E2E2E2E2E2E2E2E2E2E2E2E2E221D050649B12727272727272727
              272727272727272727B149060003030303030303030303030303030303030303
              0303030303030303000003030303030303032047454545472003030303030303
              0305222A2A2A2A2A307FBE454545BE7F302A2A2A2A2A22050648484848484841
              7BBFBCBCBCBF7B41484848484848060000000000000000000000000000030303
              0303030303030303030303030303030303030303030303030000042803030303
              030303030303030303030303032804052E130303030303030303030303030303
              03132E05062D15151515151515151515151515151515152D06004D7D03030303
              030303030303030303030303030303037D4D4D7C030303030303030303030303
              03030303030303037C4D4D907E03030303030303030303030303030303030303
              034D000303030303030303030303030303030303030303030303058340646464
              646464646464646464646464646440830506ADAEAFAFAFAFAFAFAFAFAFAFAFAF
              AFAFAFAFAFAEAD060003030303B0030303030303030345030303030303030345
              030303030000030303030303032047454F454F45472003030303030303052230
              303030307FBE45BB54BB45BE7F30303030302205064141414141417BBFBCBD8A
              BDBCBF7B41414141414106000000000000000000000000000003030303030303
              0303030303030303030303030303030303030303000004B92803030303030303
              030303030303030328B90405832E1313131313131313131313131313132E8305
              06252D1515151515151515151515151515152D2506004D7D0303030303030303
              0303030303030303030303037D4D4D7C03030303030303030303030303030303
              030303037C4D4D907E03030303030303030303030303030303030303034D0003
              0303030303030303030303030303030303030303030305050505050505050505
              0505050505050505050505050506060606060606060606060606060606060606
              0606060600030303B0B0B0030303030303454545030303030303454545030303
              000003030303030303BA454F4503454F45BA03030303030303051D3939393939
              B645BB8C398CBB45B639393939391D0506535353535353B8BCBD495349BDBCB8
              5353535353530600000000000000000000000000000303030303030303030303
              0303030303030303030303030303030300000004040404040404040404040404
              0404040404040000050505050505050505050505050505050505050000060606
              0606060606060606060606060606060600004D7D030303030303030303030303
              03030303030303037D4D4D7C0303030303030303030303030303030303030303
              7C4D4D907E03030303030303030303030303030303030303034D000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              000303B0B4B0B4B003030303454F454F4503030303454F454F45030300000303
              030303030345454503030345454503030303030303051D4343434343B5B68C43
              43438CB6B543434343431D05063E3E3E3E3E3EB7B8493E3E3E49B8B73E3E3E3E
              3E3E06000000000000000000000000000003A85A5A5A5A5AA80303B2B3B3B3B3
              B3B20303B2B3B3B3B3B3B2030000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              00000000000000000000000000004D7D03030303030303030303030303030303
              030303037D4D4D7C03030303030303030303030303030303030303037C4D4D90
              7E03030303030303030303030303030303030303034D00000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              000000000000000000000000000000000000000000000000000000000003B0B4
              B0B0B0B4B0030345454545454545030345454545454545030000030303030303
              0303030303030303030303030303030303054057575757575757575757575757
              5757575757574005063737373737373737373737373737373737373737370600
              0000000000000000000000000003B0B4B0B0B0B4B00303454545454545450303
              4545454545454503000000000000000000000000000000000000000000000000
              00000000000000000000000000000000000000000000000000000000034D4D4D
              4D4D4D4D0300000000004D7D0303030303030303030303030303030303030303
              7D4D4D7C03030303030303030303030303030303030303037C4D4D907E030303
              03030303030303030303030303030303034D00034D4D4D4D4D4D4D0300000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000003A85A5A5A5A5A
              A80303B2B3B3B3B3B3B20303B2B3B3B3B3B3B203000003030303030303030303
              0303030303030303030303030305406565656565656565656565656565656565
              6565400506376161616161616161616161616161616161616137060000000000
              0000000000000000000303B0B4B0B4B003030303454F454F4503030303454F45
              4F45030300004D708D8D8D8D8D8D8D8D8D8D8D8D8D8D8D8D8D704D4D8E8D8D8D
              8D8D8D8D8D8D8D8D8D8D8D8D8D8D8E4D00000000000000004D757F7F7F7F7F8B
              4D00000000004D7D03030303030303030303030303030303030303037D4D4D7C
              03030303030303030303030303030303030303037C4D4D907E03030303030303
              030303030303030303030303034D004D775C5C5C5C5C5B4D0000940404040404
              0404040404049400000095050505050505050505050595000000690606060606
              0606060606066900000000000000000000000000000303030303030303030303
              0303030303030303030303030303030300000303030303030303030303030303
              030303030303030303051D222E2E2E2E2E2E2E2E2E2E2E2E2E2E2E2E2E221D05
              0649B12727272727272727272727272727272727B14906000000000000000000
              0000000000030303B0B0B0030303030303454545030303030303454545030303
              00004D700303030303030303030303030303030303704D4D8E03030303030303
              030303030303030303038E4D00000000000000004D5C03030303037F4D000000
              00004D7D03030303030303030303030303030303030303037D4D4D7C03030303
              030303030303030303030303030303037C4D4D907E0303030303030303030303
              0303030303030303034D004D9603030303035C4D000004281010101010101010
              1028040000000540646464646464646464400500000006394343434343434343
              4339060000000000000000000000000000030303030303030303030303030303
              0303030303030303030303030000030303030303030303030303030303030303
              0303030303058340646464646464646464646464646464646440830506ADAEAF
              AFAFAFAFAFAFAFAFAFAFAFAFAFAFAFAFAEAD0600000000000000000000000000
              0003030303B00303030303030303450303030303030303450303030300004D70
              0303030303030303030303030303030303704D4D8E0303030303030303030303
              0303030303038E4D00000000000000004D5C03030303037F4D00000000004D7D
              03030303030303030303030303030303030303037D4D4D7C0303030303030303
              0303030303030303030303037C4D4D907E030303030303030303030303030303
              03030303034D004D9603030303035C4D000004102828280D2828282828100400
              000005401D1D1D8F1D1D1D1D1D4005000000063D5E5E5EA25E5E5E5E5E3D0600
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000003030303030303030303030303030303030303030303
              0305050505050505050505050505050505050505050505050606060606060606
              0606060606060606060606060606060000000000000000000000000000030303
              03030303030303030303030303030303030303030303030300004D7003030303
              03030303030303030303030303704D4D8E030303030303030303030303030303
              03038E4D00000000000000004D5C03030303037F4D00000000004D7D03030303
              030303030303030303030303030303037D4D4D7C030303030303030303030303
              03030303030303037C4D4D907E03030303030303030303030303030303030303
              034D004D9603030303035C4D000004281717569E92171717172804000000051D
              13130B9E92131313131D0500000006396767AC9EA86767676739060000000809
              0909090909090909090909090909090909090909090909090909090909090909
              0909090908000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000003030303030303
              030303030303030303030303030303030303030300004D700303030303030303
              030303030303030303704D4D8E03030303030303030303030303030303038E4D
              00000000000000004D5C03030303037F4D00000000004D7D0303030303030303
              0303030303030303030303037D4D4D7C03030303030303030303030303030303
              030303037C4D4D907E03030303030303030303030303030303030303034D004D
              9603030303035C4D000004281A389E9E9E4B1A1A1A2804000000051D2E189E9E
              9E5A2E2E2E1D0500000006986AA99E9E9EAB6A6A6A9806000000090303030303
              0303030303030303030303030303030303030303030303030303030303030303
              0900030303030303030303030303030303038B4C4D4D4D4D4D4D4D4D4D4D4D4D
              4C8B8B4C4D4D4D4D4D4D4D4D4D4D4D4D4C8B00030303037F777F030303030303
              03037F777F03030303030303037F777F03030303000000000000000000000000
              0000000000000000000000000000000000004D70030303030303030303030303
              0303030303704D4D8E03030303030303030303030303030303038E4D00000000
              000000004D5C03030303037F4D00000000004D7D030303030303030303030303
              03030303030303037D4D4D7C0303030303030303030303030303030303030303
              7C4D4D907E03030303030303030303030303030303030303034D004D96030303
              03035C4D00000417799E9E929E9E261A1A170400000005224E9E9E019E9E9365
              6522050000000698629E9EA89E9EAA5858980600000009030303030303030303
              0303030303030303030303030303030303030303030303030303030309000303
              03030303030303030303030303034C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4C4C4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4C000303037FA34DA37F0303030303037FA34D
              A37F0303030303037FA34DA37F030303004D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D00004D7003030303030303030303030303030303
              03704D4D8E03030303030303030303030303030303038E4D0000000000000000
              4D5B5C5C5C5C5C754D00000000004D7D03030303030303030303030303030303
              030303037D4D4D7C03030303030303030303030303030303030303037C4D4D90
              7E03030303030303030303030303030303030303034D004D809696969696774D
              00000417A49E563F079EA10F3F17040000000513A49E0B575D9EA1A057130500
              00000650A79EA94A809EA1234A50060000000903030303030303030303030303
              03030303030303030303030303030303030303030303030309004D0303030303
              030303030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D0003037FA34D4D4DA37F030303037FA34D4D4DA37F03
              0303037FA34D4D4DA37F03030003030303030303754D4D4D4D4D4D4D4D4D4D03
              030303030303754D00004D700303030303030303030303030303030303704D4D
              8E03030303030303030303030303030303038E4D0000000000000000034D4D4D
              4D4D4D4D0300000000004D7D0303030303030303030303030303030303030303
              7D4D4D7C03030303030303030303030303030303030303037C4D4D907E030303
              03030303030303030303030303030303034D00034D4D4D4D4D4D4D030000041A
              0F793F3F3F929E9F631A04000000052EA0964343430E9E9F1C2E050000000650
              2362444444A89EA1A55006000000090303030303030303030303030303030303
              030303030303030303030303030303030303030309004D030303030303030303
              0303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D00037FA34D4D4D4D4DA37F03037FA34D4D4D4D4DA37F03037FA3
              4D4D4D4D4DA37F030003030303030303754D4D4D4D4D4D4D4D4D4D0303030303
              0303754D00004D700303030303030303030303030303030303704D4D8E030303
              03030303030303030303030303038E4D00000000000000000007070707070707
              0000000000004D7D03030303030303030303030303030303030303037D4D4D7C
              03030303030303030303030303030303030303037C4D4D907E03030303030303
              030303030303030303030303034D000007070707070707000000041A1B1B1B1B
              1B63A49EA41A0400000005653D3D3D3D3D1CA49EA46505000000069A3B3B3B3B
              3BA5A69EA79A0600000009030303030303030303030303030303030303030303
              0303030303030303030303030303030309004D03030303030303030303030303
              03034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D007FA34D4D4D4D4D4D4DA37F7FA34D4D4D4D4D4D4DA37F7FA34D4D4D4D4D
              4D4DA37F0003030303030303754D03030303030303754D03030303030303754D
              00004D700303030303030303030303030303030303704D4D8E03030303030303
              030303030303030303038E4D0000000000000000071B04040404049C07000000
              00004D7D03030303030303030303030303030303030303037D4D4D7C03030303
              030303030303030303030303030303037C4D4D907E0303030303030303030303
              0303030303030303034D00070C03030303031A070000041A5555555555550F9D
              9E0F0400000005323434343434348C9F9EA005000000069A35353535353523A1
              9EA2060000000903030303030303030303030303030303030303030303030303
              03030303030303030303030309004D0303030303030303030303030303034D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D00A3
              4D4D4D4D4D4D4D4D4DA3A34D4D4D4D4D4D4D4D4DA3A34D4D4D4D4D4D4D4D4DA3
              0003030303030303754D03030303030303754D03030303030303754D00004D70
              0303030303030303030303030303030303704D4D8E0303030303030303030303
              0303030303038E4D000303030303030007030303030303040700000000004D7D
              03030303030303030303030303030303030303037D4D4D7C0303030303030303
              0303030303030303030303037C4D4D907E030303030303030303030303030303
              03030303034D000704030303030303070000043F636363636363630A793F0400
              000005579898989898989899965705000000069A9B9B9B9B9B9B9B23629A0600
              0000090303030303030303030303030303030303030303030303030303030303
              030303030303030309004D0303030303039393030303030303034D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D004D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D00030303
              03030303754D03030303030303754D03030303030303754D00004D7003030303
              03030303030303030303030303704D4D8E030303030303030303030303030303
              03038E4D000303030303030007030303030303040700000000004D777E030303
              0303030303030303030303030303037E774D4D7C7E0303030303030303030303
              030303030303037E7C4D4D968F97979797979797979797979797979797979797
              7F4D00070403030303030307000004193F3F3F3F3F3F3F3F3F19040000000524
              3636363636363636362405000000062B2B2B2B2B2B2B2B2B2B2B060000000903
              0303030303030303030303030303030303030303030303030303030303030303
              0303030309004D0303030303907777900303030303034D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D004D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D0003030303030303
              754D03030303030303754D03030303030303754D00004D700303030303030303
              030303030303030303704D4D8E03030303030303030303030303030303038E4D
              000303767603030007030303030303040700000000004D5B707E030303030303
              030303030303030303037E705B4D4D75727E0303030303030303030303030303
              03037E72754D4D709393939393939393939393939393939393939393744D0007
              0403030303030307000094040404040404040404040494000000950505050505
              0505050505059500000069060606060606060606060669000000090303030303
              0303030303030303030303030303030303030303030303030303030303030303
              09004D030303037F754D4D757F03030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D004D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D0003030303030303754D0303
              0303030303754D90909090909090774D00004D70030303030303030303030303
              0303030303704D4D8E03030303030303030303030303030303038E4D00034D4D
              760303000703030303030304070000000000036C5B777D7D7D7D7D7D7D7D7D7D
              7D7D7D7D7D7D775B6C03036C757C7C7C7C7C7C7C7C7C7C7C7C7C7C7C7C7C7C75
              6C03036C70808080808080808080808080808080808080706C03000704030303
              0303030700000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000009030303030303030303
              0303030303030303030303030303030303030303030303030303030309004D03
              03037E8E4D4D4D4D8E7E030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D004D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D0003030303030303754D030303030303
              03754D90909090909090774D00004D7003030303030303030303030303030303
              03704D4D8E03030303030303030303030303030303038E4D00034D4D03030300
              070303030303030407000000000003034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D03030303
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D030300070403030303030307
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000903030303030303030303030303
              03030303030303030303030303030303030303030303030309004D0303037F4C
              4D4D4D4D4C7F030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D004D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D0007070707070707070707070707070707070707
              070707070707070700004D706B0303030303030303030303030303036B704D4D
              8E6B0303030303030303030303030303036B8E4D0003037676030300071A0303
              0303031B07000000000000000404040404040404040404040404040404040404
              0000000005050505050505050505050505050505050505050000000006060606
              06060606060606060606060606060606000000079204040404040C0700000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000090303030303030303030303030303030303
              030303030303030303030303030303030303030309004D030303030303030303
              0303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D004D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D000303030303030303079191919191919191910303030303
              0303030700004D708F0303030303030303030303030303038F704D4D5C900303
              03030303030303030303030303905C4D00034D4D760303000007070707070707
              000000000000000E0F1003030303030303030303030303030303100F0E000011
              1213131313131313131313131313131313131312110000060606030303030303
              0303030303030303030306060600000007070707070707000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000009030303030303030303030303030303030303030303
              0303030303030303030303030303030309004D03030303030303030303030303
              03034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D004D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D00030303030303030307919191919191919191030303030303030307
              0000038D716B030303030303030303030303036B718D03038D706B0303030303
              03030303030303036B708D0300034D4D03030300000000000000000000000000
              0000040F03030303030303030303030303030303030303030F04051213130303
              0303030303030303030303030303131312050625150303030303030303030303
              0303030303030303060600000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000903030303030303030303030303030303030303030303030303
              03030303030303030303030309004D0303030303030303030303030303034D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D004D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              000303030303030303070303030303030303070303030303030303070000034D
              5C718F6B0303030303030303036B8F715C4D03034D8E70906B03030303030303
              03036B90708E4D03000303767603030003030303767603767603767600000410
              0303030303030303030303030303030303030303100405131303030303030303
              0303030303030303030303131305062D15030303030303030303030303030303
              03030303060600034D4D4D4D4D4D4D4D4D4D03034D4D4D4D4D4D4D4D4D4D0300
              036B805B75757575755B806B0000000000000000000000000000000000000000
              0000090303030303030303030303030303030303030303030303030303030303
              030303030303030309004D0303030303030303030303030303034D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D004D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D00030303
              030303030307030303030303030307030303030303030307000003034D8D7070
              70707070707070707070708D4D030303034D8D5C8E8E8E8E8E8E8E8E8E8E8E5C
              8D4D030300034D4D760303000303034D4D764D4D764D4D760000040303030303
              0303030303030303030303030303030303040513030303030303030303030303
              0303030303030303130506151503030303030303030303030303030303030303
              0306004D5C71717171717171715C4D4D5C74747474747474745C4D006B776C4D
              4D4D4D4D6C5C7480000000000000000000000000000000000000000000000903
              0303030303030303030303030303030303030303030303030303030303030303
              0303030309004D0303030303030303030303030303034D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D004D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D0003030303030303
              03070303030303030303070303030303030303070000030303034D4D4D4D4D4D
              4D4D4D4D4D4D4D03030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D03030303
              00034D4D030303000303034D4D034D4D034D4D03000004030303030303030303
              0303030303030303030303030304051303030303030303030303030303030303
              030303031305061515030303030303030303030303030303030303030306004D
              717D7C7C7C7C7C7C7D714D4D747D7C7C7C7C7C7C7D744D005C767F0303030303
              7E5B5C5B00000000000000000000000000000000000000000000090303030303
              0303030303030303030303030303030303030303030303030303030303030303
              09004D0303030303030303030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D004D4D4D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D000303030303030303070303
              0303030303030703030303030303030700000103181818181818181818181818
              1818181818030102030707070707070707070707070707070707030200030376
              7603030003030303030303767603767600000403030303030303030303030303
              0303030303030303030405130303030303030303030303030303030303030303
              1305061515030303030303030303030303030303030303030306004D717C0303
              030303037C714D4D747C0303030303037C744D006C75030303030303037E6C75
              0000000000000000000000000000000000000000000009030303030303030303
              0303030303030303030303030303030303030303030303030303030309000303
              03030303030303030303030303034C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4C4C4D
              4D4D4D4D4D4D4D4D4D4D4D4D4D4C00774D4D4D4D4D4D4D4D4D77774D4D4D4D4D
              4D4D4D4D77774D4D4D4D4D4D4D4D4D7700030303030303030307030303030303
              030307151515151515158C660000010303030303030303030303030303030303
              03030102030303030303030303030303030303030303030200034D4D76030300
              0303030303034D4D764D4D760000040303030303030303030303030303030303
              0303030303040513030303030303030303030303030303030303030313050615
              15030303030303030303030303030303030303030306004D717C030303030303
              7C714D4D747C0303030303037C744D004D7503030303030303034D7500000000
              0000000000000000000000000000000000000903030303030303030303030303
              0303030303030303030303030303030303030303030303030900030303030303
              030303030303030303038B4C4D4D4D4D4D4D4D4D4D4D4D4D4C8B8B4C4D4D4D4D
              4D4D4D4D4D4D4D4D4C8B007F774D4D4D4D4D4D4D777F7F774D4D4D4D4D4D4D77
              7F7F774D4D4D4D4D4D4D777F0003030303030303030703030303030303030715
              1515151515158C66000001030303030303030303030303030303030303030102
              030303030303030303030303030303030303030200034D4D0303030003030303
              03034D4D034D4D03000004030303030303030303030303030303030303030303
              0304051303030303030303030303030303030303030303031305061515030303
              030303030303030303030303030303030306004D717C0303030303037C714D4D
              747C0303030303037C744D004D7503030303030303034D750000000000000000
              0000000000000000000000000000090303030303030303030303030303030303
              0303030303030303030303030303030303030303090003030303030303030303
              0303030303030505050505050505050505050505050506060606060606060606
              0606060606060003030303040404030303030303030305050503030303030303
              0306060603030303000000000000000000000000000000000000000000000000
              0000000000000103030303030303030303030303030303030303010203030303
              0303030303030303030303030303030200030303030303000303030303030303
              0303767600000403030303030303030303030303030303030303030303040513
              0303030303030303030303030303030303030303130506151503030303030303
              0303030303030303030303030306004D717C0303030303037C714D4D747C0303
              030303037C744D004D7503030303030303034D75004D4D4D4D4D4D4D4D4D4D4D
              4D4D4D4D4D4D4D00000009030303030303030303030303030303030303030303
              0303030303030303030303030303030309000303030303030303030303030303
              0303052787878787878787878787878727050688898989898989898989898989
              8806000303030404070404030303030303050583050503030303030306068A06
              06030303004D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              0000010303030303030303030303030303030303030301020303030303030303
              03030303030303030303030200030303030303000303030303030303034D4D76
              0000040303030303030303030303030303030303030303030304051303030303
              0303030303030303030303030303030313050615150303030303030303030303
              03030303030303030306004D717C0303030303037C714D4D747C030303030303
              7C744D004D7503030303030303034D75004D030303030303034D4D0303030303
              03034D0000000903030303030303030303030303030303030303030303030303
              03030303030303030303030309000A0303030303030303030303030303030586
              8686868686868686868686868605068585858585858585858585858585060003
              030404080F080404030303030505464046050503030303060683508306060303
              004D030303030303034D4D030303030303034D4D030303030303034D00000103
              0303030303030303030303030303030303030102030303030303030303030303
              030303030303030200030303030303000303030303030303034D4D0300000403
              0303030303030303030303030303030303030303030405130303030303030303
              0303030303030303030303031305061515030303030303030303030303030303
              030303030306004D717703030303030377714D4D737D0303030303037D734D00
              4D5B7E030303030303034D5B004D030303030303034D4D030303030303034D00
              0000090303030303030303030303030303030303030303030303030303030303
              030303030303030309000A030303030303030303030303030303058484848484
              848484848484848484050685858585858585858585858585850600030404796F
              6F6F790404030305057A1D1D1D7A050503030606835E5E5E83060603004D0303
              03030303034D4D030303030303034D4D030303030303034D0000010303030303
              0303030303030303030303030303010203030303030303030303030303030303
              0303030200030303030303000303030303030303030303030000040303030303
              0303030303030303030303030303030303040513030303030303030303030303
              0303030303030303130506151503030303030303030303030303030303030303
              0306004D7074777C7C7C7C7774704D4D72737D7C7C7C7C7D73724D006C71747E
              03030303037F6C80004D030303030303034D4D030303030303034D0000000903
              0303030303030303030303030303030303030303030303030303030303030303
              0303030309000A03030303030303030303030303030305818181818181818181
              81818181810506828282828282828282828282828206000404796F6F6F6F6F79
              040405057A22222222227A05050606835E5E5E5E5E830606004D030303030303
              034D4D030303030303034D4D030303030303034D000001030303030303030303
              0303030303030303030301020303030303030303030303030303030303030302
              0003030303030300030303030303030303030303000004030303030303030303
              0303030303030303030303030304051303030303030303030303030303030303
              0303030313050615150303030303030303030303030303030303030303060003
              6C70717171717171706C03036C72737474747473726C03005C5B715B75757575
              7576776B004D030303030303034D4D030303030303034D000000090303030303
              0303030303030303030303030303030303030303030303030303030303030303
              09000A0303030303030303030303030303030578787878787878787878787878
              7805066E6E6E6E6E6E6E6E6E6E6E6E6E6E060004206F6F6F6F6F6F6F79040512
              131313131313137A050646676767676767677B06004D030303030303034D4D03
              0303030303034D4D030303030303034D00000103030303030303030303030303
              0303030303030102030303030303030303030303030303030303030200030707
              0303030003030303030303030303030300000403030303030303030303030303
              0303030303030303030405130303030303030303030303030303030303030303
              13050615150303030303030303030303030303030303030303060003034D4D4D
              4D4D4D4D4D030303034D4D4D4D4D4D4D4D0303006B5C6C4D4D4D4D4D6C5C6B03
              004D030303030303034D4D030303030303034D00000009030303030303030303
              0303030303030303030303030303030303030303030303030303030309000A03
              0303030303030303030303030303056D6D6D6D6D6D2A2A6D6D6D6D6D6D05066E
              6E6E6E6E6E1F1F6E6E6E6E6E6E0600041A6F6F6F6F6F6F6F6F0405642E2E2E2E
              2E2E2E2E05062E6A6A6A6A6A6A6A6A06004D030303030303034D4D0303030303
              03034D4D030303030303034D0000010303030303030303030303030303030303
              0303010203030303030303030303030303030303030303020003070703030300
              0303030303030303030303030000040303030303030303030303030303030303
              0303030303040513030303030303030303030303030303030303030313050615
              1503030303030303030303030303030303030303030600000101010101010101
              01010000020202020202020202020000030303030303030303030303004D0303
              03030303034D4D030303030303034D0000000903030303030303030303030303
              03030303030303030303030303030303030303030303030309000A0303030303
              036666030303030303030567676767672A68682A676767676705066060606060
              2769692760606060600600041A63636363636363630405642E2E2E2E2E2E2E2E
              05062E6A6A6A6A6A6A6A6A06004D030303030303034D4D030303030303034D4D
              030303030303034D000001030303030303030303030303030303030303030102
              0303030303030303030303030303030303030302000303030303030003030307
              0703070703070703000004030303030303030303030303030303030303030303
              0304051303030303030303030303030303030303030303031305061515030303
              0303030303030303030303030303030303060001080303030303030303080102
              5A03030303030303035A02000708070707070707074B1A03004C5B5C5C5C5C5C
              5B4C4C5B5C5C5C5C5C5B4C000000090303030303030303030303030303030303
              030303030303030303030303030303030303030309000A03030303035D45455D
              030303030303055E5E5E5E2A5F45455F2A5E5E5E5E0506606060606162454562
              61606060600600041A6363636363636363040564656565656565656505062E58
              5858585858585806004D030303030303034D4D030303030303034D4D03030303
              0303034D00000103030303030303030303030303030303030303010203030303
              0303030303030303030303030303030200030707030303000303030707030707
              0307070300000403030303030303030303030303030303030303030303040513
              0303030303030303030303030303030303030303130506151503030303030303
              0303030303030303030303030306000103181818181818181803010203070707
              0707070707030200070826030303030307074B0300034C4D4D4D4D4D4C03034C
              4D4D4D4D4D4C0300000009030303030303030303030303030303030303030303
              0303030303030303030303030303030309000A030303034E4F45454F4E030303
              0303055050502A5147454547512A505050050652525253544F45454F54535252
              520600041A5556565656565555040540573A3A3A3A3A57570506325859595959
              59585806004D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
              0000010303030303030303030303030303030303030301020303030303030303
              0303030303030303030303020003070703030300030303030303030303030303
              0000040303030303030303030303030303030303030303030304051303030303
              0303030303030303030303030303030313050615150303030303030303030303
              0303030303030303030600010318030303030303180301020307030303030303
              07030200071A0303030303030307070300010101010101010101020202020202
              0202020000000903030303030303030303030303030303030303030303030303
              03030303030303030303030309000A030303454545454545454503030303052A
              2A2A46474545454547462A2A2A05064848484947454545454749484848060004
              171B1B1B1B1B1B1B1B04054036363636363636360506324A4A4A4A4A4A4A4A06
              000A0A0A0A0A0A0A0A0A07070707070707070707070707070707070700000103
              0303030303030303030303030303030303030102030303030303030303030303
              0303030303030302000303030303030003030303030307070307070300000403
              0303030303030303030303030303030303030303030405130303030303030303
              0303030303030303030303031305061515030303030303030303030303030303
              0303030303060001031803030303030318030102030703030303030307030200
              0703030303030303030307030001030303030303030102030303030303030200
              0000090303030303030303030303030303030303030303030303030303030303
              030303030303030309000A030303030303030303030303030303053434343434
              34343434343434343405064141414141414141414141414141060004173F4242
              4242423F3F040540433A3A3A3A3A4343050632443C3C3C3C3C444406000A0303
              03030303030A0703030303030303070703030303030303070000010303030303
              0303030303030303030303030303010203030303030303030303030303030303
              0303030200030707030303000303030303030707030707030000040303030303
              0303030303030303030303030303030303040513030303030303030303030303
              0303030303030303130506151503030303030303030303030303030303030303
              0306000103180303030303031803010203070303030303030703020007030303
              0303030303030703000103030303030303010203030303030303020000000903
              0303030303030303030303030303030303030303030303030303030303030303
              0303030309000A030303030303030303030303030303053D3D3D3D3D3D3D3D3D
              3D3D3D3D3D05063E3E3E3E3E3E3E3E3E3E3E3E3E3E060004173F3F3F3F3F3F3F
              3F0405403D3D3D3D3D3D3D3D0506293B3B3B3B3B3B3B3B06000A030303030303
              030A070303030303030307070303030303030307000001030303030303030303
              0303030303030303030301020303030303030303030303030303030303030302
              0003070703030300030303030303030303030303000004030303030303030303
              0303030303030303030303030304051303030303030303030303030303030303
              0303030313050615150303030303030303030303030303030303030303060001
              0318030303030303180301020307030303030303070302000703030303030303
              0303070300010303030303030301020303030303030302000000090303030303
              0303030303030303030303030303030303030303030303030303030303030303
              09000A0303030303030303030303030303030536363636363636363636363636
              3605063737373737373737373737373737060004171A38383838381A1A04051D
              393A3A3A3A3A39390506293B3C3C3C3C3C3B3B06000A030303030303030A0703
              030303030303070703030303030303070000010C030303030303030303030303
              03030303030C01020D03030303030303030303030303030303030D0200030303
              0303030003030303030303030307070300000403030303030303030303030303
              0303030303030303030405130303030303030303030303030303030303030303
              1305061515030303030303030303030303030303030303030306000103180303
              0303030318030102030703030303030307030200070303030303030303030703
              0001030303030303030102030303030303030200000009030303030303030303
              0303030303030303030303030303030303030303030303030303030309000A03
              0303030303030303030303030303053232323232323232323232323232050633
              33333333333333333333333333060004281A1A1A1A1A1A1A1A04051D34343434
              34343434050629353535353535353506000A030303030303030A070303030303
              0303070703030303030303070000000B03030303030303030303030303030303
              030B000001030303030303030303030303030303030301000003070703030300
              0303030303030303030707030000041003030303030303030303030303030303
              030303031004051313030303030303030303030303030303030303131305062D
              15151515151515151515151515151515151515152D0600011718030303030303
              1817010217070303030303030717020007030303030303030303070300010303
              0303030303010203030303030303020000000903030303030303030303030303
              03030303030303030303030303030303030303030303030309000A0303030303
              03030303030303030303052E2E2E2E2E2E2E2E2E2E2E2E2E2E05062F2F2F2F2F
              2F2F2F2F2F2F2F2F2F06000428171717171717171704051D3030303030303030
              050629313131313131313106000A030303030303030A07030303030303030707
              0303030303030307000000012003030303030303030303030303030320010000
              0216030303030303030303030303030303160200000307070303030003030303
              03030303030303030000040F0303030303030303030303030303030303030303
              0F04051213130303030303030303030303030303030313131205061415151515
              1515151515151515151515151515151525060001162018181818181820160102
              180A0707070707070A1802000719030303030303032607030001030303030303
              0301020303030303030302000000090303030303030303030303030303030303
              030303030303030303030303030303030303030309000A030303030303030303
              0303030303030522222222222222222222222222220506272727272727272727
              272727272706000410282828282828282804051D292A2A2A2A2A2A2A0506242B
              2C2C2C2C2C2C2C06000A030303030303030A0703030303030303070703030303
              0303030700000000010B0C03030303030303030303030C0B010000000002010D
              03030303030303030303030D0102000000030303030303000303030303030303
              030303030000000E0F1003030303030303030303030303030303100F0E000011
              1213131313131313131313131313131313131312110000061415151515151515
              1515151515151515151515140600000001161703030303171601000002181703
              030303171802000007071903030303031A08080300011903030303031901021B
              03030303031B0200000009030303030303030303030303030303030303030303
              0303030303030303030303030303030309000303030303030303030303030303
              0303051C1D1D1D1D1D1D1D1D1D1D1D1D1C05061E1F1F1F1F1F1F1F1F1F1F1F1F
              1E06000420101010101010102004052122222222222222210506232424242424
              24242306000A030303030303030A070303030303030307070303030303030307
              0000000000000101010101010101010101010100000000000000000202020202
              0202020202020202000000000003030303030300030303030303030303030303
              0000000004040404040404040404040404040404040404040000000005050505
              0505050505050505050505050505050500000000060606060606060606060606
              0606060606060606000000000001010101010101010000000002020202020202
              0200000007070707070707070707070300000101010101010100000202020202
              0202000000000809090909090909090909090909090909090909090909090909
              0909090909090909090909090800030303030303030303030303030303030505
              0505050505050505050505050505060606060606060606060606060606060004
              0404040404040404040405050505050505050505050606060606060606060606
              000A0A0A0A0A0A0A0A0A0707070707070707070707070707070707070000}
            Name = 'MASTER.BMP'
            PropertyName = 'MASTERBITMAP'
            Left = 0
            Top = 0
            Right = 0
            Bottom = 0
            ImageCount = 0
            MaskType = 0
            BorderWidth = 0
          end
          item
            SectionName = 'FORM'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 137
            Top = 0
            Right = 161
            Bottom = 24
            ImageCount = 2
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'FORM'
            Name = 'MASTER.BMP'
            PropertyName = 'GRIPIMAGE'
            Left = 50
            Top = 0
            Right = 62
            Bottom = 24
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'FORM'
            Name = 'MASTER.BMP'
            PropertyName = 'BICONCLOSE'
            Left = 236
            Top = 39
            Right = 305
            Bottom = 75
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'FORM'
            Name = 'MASTER.BMP'
            PropertyName = 'BICONMAX'
            Left = 137
            Top = 45
            Right = 206
            Bottom = 81
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'FORM'
            Name = 'MASTER.BMP'
            PropertyName = 'BICONMIN'
            Left = 64
            Top = 55
            Right = 133
            Bottom = 91
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'FORM'
            Name = 'MASTER.BMP'
            PropertyName = 'BICONNORM'
            Left = 207
            Top = 76
            Right = 276
            Bottom = 112
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'FORM'
            Name = 'MASTER.BMP'
            PropertyName = 'BICONHELP'
            Left = 277
            Top = 76
            Right = 346
            Bottom = 112
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'FORM'
            Name = 'MASTER.BMP'
            PropertyName = 'TITLEBUTTON'
            Left = 134
            Top = 82
            Right = 203
            Bottom = 118
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'FORMTITLE'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 0
            Top = 0
            Right = 42
            Bottom = 42
            ImageCount = 2
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'MENULINE'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 49
            Top = 93
            Right = 58
            Bottom = 111
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'MENULINE'
            Name = 'MASTER.BMP'
            PropertyName = 'BICONCLOSE'
            Left = 0
            Top = 93
            Right = 48
            Bottom = 125
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'MENULINE'
            Name = 'MASTER.BMP'
            PropertyName = 'BICONNORM'
            Left = 204
            Top = 113
            Right = 252
            Bottom = 145
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'MENULINE'
            Name = 'MASTER.BMP'
            PropertyName = 'BICONMIN'
            Left = 253
            Top = 113
            Right = 301
            Bottom = 145
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'GLOBALINFO'
            Name = 'MASTER.BMP'
            PropertyName = 'BOXCHECKED'
            Left = 147
            Top = 27
            Right = 195
            Bottom = 44
            ImageCount = 3
            MaskType = 0
            BorderWidth = 0
          end
          item
            SectionName = 'GLOBALINFO'
            Name = 'MASTER.BMP'
            PropertyName = 'BOXUNCHECKED'
            Left = 92
            Top = 150
            Right = 140
            Bottom = 167
            ImageCount = 3
            MaskType = 0
            BorderWidth = 0
          end
          item
            SectionName = 'GLOBALINFO'
            Name = 'MASTER.BMP'
            PropertyName = 'BOXGRAYED'
            Left = 0
            Top = 160
            Right = 48
            Bottom = 177
            ImageCount = 3
            MaskType = 0
            BorderWidth = 0
          end
          item
            SectionName = 'GLOBALINFO'
            Name = 'MASTER.BMP'
            PropertyName = 'RADIOCHECKED'
            Left = 49
            Top = 168
            Right = 97
            Bottom = 185
            ImageCount = 3
            MaskType = 0
            BorderWidth = 0
          end
          item
            SectionName = 'GLOBALINFO'
            Name = 'MASTER.BMP'
            PropertyName = 'RADIOUNCHECKED'
            Left = 98
            Top = 168
            Right = 146
            Bottom = 185
            ImageCount = 3
            MaskType = 0
            BorderWidth = 0
          end
          item
            SectionName = 'GLOBALINFO'
            Name = 'MASTER.BMP'
            PropertyName = 'SMALLCHECKED'
            Left = 211
            Top = 169
            Right = 247
            Bottom = 181
            ImageCount = 3
            MaskType = 0
            BorderWidth = 0
          end
          item
            SectionName = 'GLOBALINFO'
            Name = 'MASTER.BMP'
            PropertyName = 'SMALLUNCHECKED'
            Left = 248
            Top = 169
            Right = 284
            Bottom = 181
            ImageCount = 3
            MaskType = 0
            BorderWidth = 0
          end
          item
            SectionName = 'BUTTON'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 0
            Top = 44
            Right = 63
            Bottom = 92
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'BUTTON_BIG'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 64
            Top = 0
            Right = 136
            Bottom = 54
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'EDIT'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 196
            Top = 0
            Right = 235
            Bottom = 39
            ImageCount = 1
            MaskType = 0
            BorderWidth = 1
          end
          item
            SectionName = 'COMBOBOX'
            Name = 'MASTER.BMP'
            PropertyName = 'GLYPHMASK'
            Left = 236
            Top = 0
            Right = 284
            Bottom = 38
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'PANEL'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 50
            Top = 25
            Right = 59
            Bottom = 43
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'PANEL_LOW'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 137
            Top = 25
            Right = 146
            Bottom = 43
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'GROUPBOX'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 162
            Top = 0
            Right = 174
            Bottom = 24
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'GAUGE'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 0
            Top = 44
            Right = 21
            Bottom = 68
            ImageCount = 1
            MaskType = 0
            BorderWidth = 1
          end
          item
            SectionName = 'PROGRESSH'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 334
            Top = 57
            Right = 343
            Bottom = 75
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'PROGRESSV'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 334
            Top = 57
            Right = 343
            Bottom = 75
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'TRACKBAR'
            Name = 'MASTER.BMP'
            PropertyName = 'SLIDERMASK'
            Left = 285
            Top = 0
            Right = 318
            Bottom = 38
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'TRACKBAR'
            Name = 'MASTER.BMP'
            PropertyName = 'SLIDERVMASK'
            Left = 211
            Top = 146
            Right = 268
            Bottom = 168
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'TRACKBAR'
            Name = 'MASTER.BMP'
            PropertyName = 'SLIDERCHANNEL'
            Left = 285
            Top = 175
            Right = 309
            Bottom = 187
            ImageCount = 2
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'STATUSBAR'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 119
            Top = 92
            Right = 128
            Bottom = 110
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'STATUSBAR'
            Name = 'MASTER.BMP'
            PropertyName = 'GRIPIMAGE'
            Left = 50
            Top = 0
            Right = 62
            Bottom = 24
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'DIVIDER'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 111
            Top = 129
            Right = 117
            Bottom = 147
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'WEBBUTTON'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 64
            Top = 92
            Right = 118
            Bottom = 128
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'TOOLBAR'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 49
            Top = 93
            Right = 58
            Bottom = 111
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'TOOLBAR'
            Name = 'MASTER.BMP'
            PropertyName = 'GRIPIMAGE'
            Left = 43
            Top = 0
            Right = 49
            Bottom = 32
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'TOOLBUTTON'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 64
            Top = 92
            Right = 118
            Bottom = 128
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'SPEEDBUTTON'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 64
            Top = 92
            Right = 118
            Bottom = 128
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'DRAGBAR'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 49
            Top = 93
            Right = 58
            Bottom = 111
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'DRAGBAR'
            Name = 'MASTER.BMP'
            PropertyName = 'GRIPIMAGE'
            Left = 43
            Top = 0
            Right = 49
            Bottom = 32
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'BAR'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 50
            Top = 25
            Right = 59
            Bottom = 43
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'BARTITLE'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 175
            Top = 0
            Right = 193
            Bottom = 18
            ImageCount = 2
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'BARTITLE'
            Name = 'MASTER.BMP'
            PropertyName = 'BICONCLOSE'
            Left = 0
            Top = 93
            Right = 48
            Bottom = 125
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'TABSHEET'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 193
            Top = 119
            Right = 202
            Bottom = 137
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'PAGECONTROL'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 193
            Top = 119
            Right = 202
            Bottom = 137
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'TABCONTROL'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 193
            Top = 119
            Right = 202
            Bottom = 137
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'TABTOP'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 302
            Top = 113
            Right = 347
            Bottom = 143
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'TABBOTTOM'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 119
            Top = 119
            Right = 164
            Bottom = 149
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'TABLEFT'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 0
            Top = 126
            Right = 45
            Bottom = 156
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'TABRIGHT'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 46
            Top = 129
            Right = 91
            Bottom = 159
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'SCROLLBTNTOP'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 302
            Top = 144
            Right = 347
            Bottom = 174
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'SCROLLBTNTOP'
            Name = 'MASTER.BMP'
            PropertyName = 'GLYPHMASK'
            Left = 319
            Top = 38
            Right = 346
            Bottom = 56
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'SCROLLBTNBOTTOM'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 302
            Top = 144
            Right = 347
            Bottom = 174
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'SCROLLBTNBOTTOM'
            Name = 'MASTER.BMP'
            PropertyName = 'GLYPHMASK'
            Left = 207
            Top = 40
            Right = 234
            Bottom = 58
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'SCROLLBTNLEFT'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 302
            Top = 144
            Right = 347
            Bottom = 174
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'SCROLLBTNLEFT'
            Name = 'MASTER.BMP'
            PropertyName = 'GLYPHMASK'
            Left = 306
            Top = 57
            Right = 333
            Bottom = 75
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'SCROLLBTNRIGHT'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 302
            Top = 144
            Right = 347
            Bottom = 174
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'SCROLLBTNRIGHT'
            Name = 'MASTER.BMP'
            PropertyName = 'GLYPHMASK'
            Left = 165
            Top = 119
            Right = 192
            Bottom = 137
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'SCROLLSLIDERV'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 165
            Top = 146
            Right = 210
            Bottom = 176
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'SCROLLSLIDERV'
            Name = 'MASTER.BMP'
            PropertyName = 'GLYPHMASK'
            Left = 207
            Top = 59
            Right = 231
            Bottom = 75
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'SCROLLSLIDERH'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 165
            Top = 146
            Right = 210
            Bottom = 176
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'SCROLLSLIDERH'
            Name = 'MASTER.BMP'
            PropertyName = 'GLYPHMASK'
            Left = 269
            Top = 146
            Right = 293
            Bottom = 162
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'SCROLLBAR1H'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 319
            Top = 0
            Right = 346
            Bottom = 18
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'SCROLLBAR1V'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 319
            Top = 0
            Right = 346
            Bottom = 18
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'SCROLLBAR2H'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 319
            Top = 0
            Right = 346
            Bottom = 18
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'SCROLLBAR2V'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 319
            Top = 0
            Right = 346
            Bottom = 18
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'MENUITEM'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 92
            Top = 129
            Right = 110
            Bottom = 147
            ImageCount = 2
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'MAINMENU'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 196
            Top = 0
            Right = 235
            Bottom = 39
            ImageCount = 1
            MaskType = 0
            BorderWidth = 1
          end
          item
            SectionName = 'SELECTION'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 101
            Top = 129
            Right = 110
            Bottom = 147
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'COLHEADER'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 319
            Top = 19
            Right = 346
            Bottom = 37
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'UPDOWN'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 302
            Top = 144
            Right = 347
            Bottom = 174
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'UPDOWN'
            Name = 'MASTER.BMP'
            PropertyName = 'GLYPHMASK'
            Left = 319
            Top = 38
            Right = 346
            Bottom = 56
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
        >
        Patterns = <
        >
        MasterBitmap.Data = {
          9A1D0100424D9A1D01000000000036040000280000005C010000CF0000000100
          0800000000006419010000000000000000000001000000000000FF00FF00A484
          800084534C00FFFFFF00A070680056A0C8003E769E00C0958E00CCAFA900B688
          8000E4C9C400B7A39F00EEE2DF00EBDBD800A3776E00E9D5CF00FEFEFE0060A2
          C700C0E5F500E1FAFF0029699A00145C9600D1BEBB00FCF8F800C0A8A600F7EF
          EE00FBF5F400F7EBE900D1EDF700E8FAFF0078BAE7008ACFFA00DBCDCB00ACD8
          EC00E4F9FF0097C1DC00D1F2FF0037729D00D9C2BF0085CCFA00FEFBFB00D4F3
          FF00C1F0FF00B0DFFC0092D3F8001A609700DEF8FF0084CCFB00C6F1FF0094D4
          FC00D9F6FF0081CAFA00C7F1FF0096D6FB00D3F5FF007FC9FA00CCA9A300CBF2
          FF006FB0D3009CDAFC0064ABD200CDF3FF007CC7F900FAF0EE00EDFBFF0076C4
          F900CBA7A100D0F4FF009FDCFC0044221800B2D6E8004E2F260073C2F9006BB0
          E000A5DEFB00C09B94001010100000000000BEAFAC0046251B00BDECFE00B8C3
          C60070C2FA0079C5F900A6BBC700F6E9E600CBA69D00D5F6FF00A8E1FD0068AC
          D100B69B96005252520063636300AD9D9900B7EBFE00B2B1B9006CBFF80082CA
          FA0099A8B200F5E5E200F3FDFF00DAF7FF009F8A8600B3E8FE00A5A5A5008697
          A800AEE5FD00F7F7F70008080800AEE9FF0063BDFA00F3DDD900737373008C8C
          8C006B6B6B007B7B7B00848484004A4A4A00191919003A3A3A00A3E9FF00D4B2
          A800AAD5E90080BADA002929290031313100EFEFEF00DEDEDE00949494009FE7
          FF005FB9F90088BEDA009AE5FF005CB7F90092E2FF008EE0FF0059AAE40058B3
          F800639CC700ADADAD00BEDAE400424242005A5A5A00D6D6D600CECECE008CDF
          FF00AC7E6F00C5C5C500B5938E0091ABBF00B5B5B500E6E6E600C4F0FF00B9D4
          DD00B4E4FB0093D4FB00AE867F0095492C00863A1E0098574000C8D3D6008A44
          2A00AAD1E300212121009C604A009CD2ED008A5A4A0086605700937B75009BA0
          A30099B6C4009B9497009C9C9C00467DA50061A7D70065ABDC007A534B0082CA
          F700694F470094817B007B534B00604C46005C433B002A405200263B4C00C1A6
          A00051372F00543C3500141E28001F324100583B32002433400097E4FF0058B4
          F80089C8E700A7EBFF0068C1FA006DC6FB006ABDF10071C9FC00B0704C00656F
          7400325C7C0079615A007F77740042637C00BDBDBD007E7674003A607C007873
          71006AAFD3003B5C7600735A520087726C006A8AA6001A2530005181A6004F8F
          BA004C7B9D004F87AD0099CFE500569ECC0087A9C1007489980064ABDC0080C9
          FA0048667C0082B7D4009A837F0056494800A98D8900C5A6A3007DA7C200AEA7
          B000B68F8700D7B8B0007990A8003B424C00D5A99600D7A08500C5886D00BD77
          580075B4D500827B7900C8978200B4664300A46D5B00AA5E3E00A1543300E5EE
          F1005F96B9000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          00000000000000034C4D4D4D4D4D4D4D4D4C03034C4D4D4D4D4D4D4D4D4C0300
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000004C4D4D4D4D4D4D4D4D4D4D4C4C4D4D4D4D4D4D4D4D4D4D4C0000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          000000000000000000000000000000000000000000000000000000000000004D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000004D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D00000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          000000000000000000000000000000E79C0E040E9CE70000000000000000005F
          E8110511E85F000000000000000000E9D6DA06DAD6E900000000000000000000
          E79C0E040E9CE70000000000000000005FE8110511E85F000000000000000000
          E9D6DA06DAD6E900000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          00000000000000000000000000000000000000000000004C4D4D4D4D4D4D4D4D
          4D4D4C4C4D4D4D4D4D4D4D4D4D4D4C0000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          00000000000000000000EA9C26191019269CEA00000000000000DE3A462E1D2E
          463ADE00000000000000ECDB839A509A83DBEC0000000000000000EA9C261910
          19269CEA00000000000000DE3A462E1D2E463ADE00000000000000ECDB839A50
          9A83DBEC00000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          00000000000000000000000000000000000000034C4D4D4D4D4D4D4D4D4C0303
          4C4D4D4D4D4D4D4D4D4C03000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000EA941A28282828281A94EA0000000000DEF22E1D1D1D1D1D2EF2DE
          0000000000ECFA9A5E5E5E5E5E9AFAEC000000000000EA941A28282828281A94
          EA0000000000DEF22E1D1D1D1D1D2EF2DE0000000000ECFA9A5E5E5E5E5E9AFA
          EC00000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000007070707070707070707000004040404
          0404040404040000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          E79C1A175507920755171A9CE70000005FD26513F9949294F91365D25F000000
          E9DB6A672166A86621676ADBE900000000E79C1A171717171717171A9CE70000
          005FD2651313131313131365D25F000000E9DB6A676767676767676ADBE90000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000200000000000000000000000200000000000000000000000260000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000075528282828282828285507040C28282828282828
          280C040000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          000000000000000000000000000000000000000000000000000000009C261A55
          A49D9D9DA4551A269C000000E87A2E1CA49D9D9DA41C2E7AE8000000D67B6A21
          9F9D9D9D9F216A7BD6000000009C261A1A1A1A1A1A1A1A1A269C000000E87A2E
          2E2E2E2E2E2E2E2E7AE8000000D67B6A6A6A6A6A6A6A6A6A7BD6000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          2692080000000000000000002692080000000000000000004E5C5D0000000000
          0000000000000000000000000000000000000000000000000000000000000000
          00000000000000071A1A1A1A1A1A1A1A1A1A07041A1A1A1A1A1A1A1A1A1A0400
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000E551A4BF8F8F8F8
          F84B1A550E0000001124654BF8F8F8F8F84B652411000000DA44585DF8F8F8F8
          F85D5844DA000000000E551A1A1A1A1A1A1A1A1A550E00000011246565656565
          656565652411000000DA4458585858585858585844DA00000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          000000000000000000000000000000000000000000000000000000209F9E9D26
          00000000000000209F9E9D260000000000000016EDBCBF4E0000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000719191919191919191919070419191919191919191919040000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000043F3FF4F7F1C8F7F7F43F3F
          04000000055757EAF7F1C8F7F7EA575705000000064A4AE6F7F1C8F7F7E64A4A
          0600000000043F3F3F3F3F3F3F3F3F3F3F040000000557575757575757575757
          5705000000064A4A4A4A4A4A4A4A4A4A4A060000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000020A49EA19EA420000000
          000020A49EA19EA42000000000001675BCD7BC75160000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000007
          0D55555555555555550D07040F55555555555555550F04000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          000000000000000000000000000000000E0C3FEEF4EBEBF5F5EE3F0C0E000000
          113443B9F4EBEBF5F5B9433411000000DA35445DF4EBEBF5F55D4435DA000000
          000E0C3F3F3F3F3F3F3F3F3F0C0E000000113443434343434343434334110000
          00DA3544444444444444444435DA000000000000000000000000000000000000
          000000034D4D4D4D4D4D4D4D4D4D4D4D4D03034D4D4D4D4D4D4D4D4D4D4D4D4D
          03034D4D4D4D4D4D4D4D4D4D4D4D4D030000F69E9F009F9EF60000000000F69E
          9F009F9EF600000000008EBCED00EDBC8E000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000007070707
          0707070707070000040404040404040404040000000000000000000000000000
          0000000000000000000000000000000000000000000000000000009404040404
          0404040404040494000000950505050505050505050505950000006906060606
          0606060606060669000000009CEB1B6FF0EFF0F1F06F1BEB9C000000E8A53D1C
          F0EFF0F1F01C3DA5E8000000D6F23BA5F0EFF0F1F1A53BF2D6000000009CEB1B
          1B1B1B1B1B1B1B1BEB9C000000E8A53D3D3D3D3D3D3D3D3DA5E8000000D6F23B
          3B3B3B3B3B3B3B3BF2D60000000000000000000000000000000000000000004D
          778D7D7D7D7D7D7D7D7D7D8D774D4D777D7C7C7C7C7C7C7C7C7C7D774D4D5B7E
          0303030303030303037E5B4D0000009F0000009D9E0700000000009F0000009D
          9E070000000000ED0000007DBCF3000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000042810101010101010
          1010280400000005406464646464646464644005000000063943434343434343
          4343390600000000E79C63556FEEEFEE6F55639CE70000005F59983412085608
          123498595F000000E9DB2C35A50B5A0BA5352CDBE900000000E79C6355555555
          555555639CE70000005F59983434343434343498595F000000E9DB2C35353535
          3535352CDBE90000000000000000000000000000000000000000004D8D8F0303
          030303030303038F8D4D4D7D8F0303030303030303038F7D4D4DCE7E03030303
          0303030303037E4D0000000000000000A19E08000000000000000000A19E0800
          0000000000000000D7BCAB000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          00000000034D4D4D4D4D4D4D4D4D4D4D4D4D03034D4D4D4D4D4D4D4D4D4D4D4D
          4D03034D4D4D4D4D4D4D4D4D4D4D4D4D03000004102828282828282828281004
          00000005401D1D1D1D1D1D1D1D1D4005000000063D5E5E5E5E5E5E5E5E5E3D06
          0000000000EAEA0C63636363630CEAEA0000000000DE3A2A98989898982A3ADE
          0000000000ECD92C9B9B9B9B9B2CD9EC000000000000EAEA0C63636363630CEA
          EA0000000000DE3A2A98989898982A3ADE0000000000ECD92C9B9B9B9B9B2CD9
          EC000000000000000000000000000000000000000000004D7D03030303030303
          030303037D4D4D7C03030303030303030303037C4D4D907E0303030303030303
          0303034D0000000000000000009EA1000000000000000000009EA10000000000
          0000000000BCD700000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          4D757D7D7D7D7D7D7D7D7D7D7D754D4D8D7C7C7C7C7C7C7C7C7C7C7C8D4D4D90
          0303030303030303030303904D00000428171717171717171717280400000005
          1D1313131313131313131D050000000639676767676767676767390600000000
          0000EA9CEB0D630DEB9CEA00000000000000DE59DC5E2A5EDC59DE0000000000
          0000ECDB3AB11FB13ADBEC0000000000000000EA9CEB0D630DEB9CEA00000000
          000000DE59DC5E2A5EDC59DE00000000000000ECDB3AB11FB13ADBEC00000000
          000000000000000000000000000000000000004D7D0303030303030303030303
          7D4D4D7C03030303030303030303037C4D4D907E03030303030303030303034D
          0000000000000000000E9F000000000000000000000E9F000000000000000000
          0072ED0000000000000000000000000000000000000000000000000000000000
          000000000000000000000000000000000000000000000000000000004D7D0303
          0303030303030303037D4D4D7C03030303030303030303037C4D4D907E030303
          03030303030303034D000004281A1AE6E4E4E4E61A1A2804000000051D2E2EE6
          E4E4E4E62E2E1D0500000006986A6A66E4E4E4666A6A980600000000000000E7
          9C0E040E9CE70000000000000000005FE8110511E85F000000000000000000E9
          D6DA06DAD6E900000000000000000000E79C0E040E9CE7000000000000000000
          5FE8110511E85F000000000000000000E9D6DA06DAD6E9000000000000000000
          0000000000000000000000000000004D7D03030303030303030303037D4D4D7C
          03030303030303030303037C4D4D907E03030303030303030303034D00000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000004D7D030303030303
          03030303037D4D4D7C03030303030303030303037C4D4D907E03030303030303
          030303034D000004171A1A66666666661A1A1704000000052265656666666666
          6565220500000006985858666666666658589806000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          00000000000000000000004D7D03030303030303030303037D4D4D7C03030303
          030303030303037C4D4D907E03030303030303030303034D0000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          00000000000000000000000000000000000000004D7D03030303030303030303
          037D4D4D7C03030303030303030303037C4D4D907E0303030303030303030303
          4D000004173F3FE6E6E6E6E63F3F170400000005135757E6E6E6E6E657571305
          00000006504A4AE6E6E6E6E64A4A500600000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          000000000000004D7D03030303030303030303037D4D4D7C0303030303030303
          0303037C4D4D907E03030303030303030303034D000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          000000000000000000000000000000004D7D03030303030303030303037D4D4D
          7C03030303030303030303037C4D4D907E03030303030303030303034D000004
          1A3F3F94949494943F3F1A04000000052E4343949494949443432E0500000006
          5044449494949494444450060000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000004D7D03030303030303030303037D4D4D7C03030303030303030303037C
          4D4D907E03030303030303030303034D007F774D4D4D4D4D4D4D4D4D4D4DA37F
          030303037F774D4D4D4D4D4D4D4D4D4D4DA37F030303037F774D4D4D4D4D4D4D
          4D4D4D4DA37F0303030300000000000000000000000000000000000000000000
          0000000000000000000000004D7D03030303030303030303037D4D4D7C030303
          03030303030303037C4D4D907E03030303030303030303034D0000041A1B1BB9
          5A5A5AB91B1B1A0400000005653D3D0B5A5A5A0B3D3D6505000000069A3B3B0B
          5A5A5A0B3B3B9A06000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          000000000000000000000000000000000000000000000000000000000000004D
          7D03030303030303030303037D4D4D7C03030303030303030303037C4D4D907E
          03030303030303030303034D00774D4D4D4D4D4D4D4D4D4D4D4D4DA37F030303
          774D4D4D4D4D4D4D4D4D4D4D4D4DA37F030303774D4D4D4D4D4D4D4D4D4D4D4D
          4DA37F0303030000000000000000000000000000000000000000000000000000
          00000000000000004D7D03030303030303030303037D4D4D7C03030303030303
          030303037C4D4D907E03030303030303030303034D0000041A55555555555555
          55551A0400000005323434343434343434343205000000069A35353535353535
          35359A0600000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000004D7D030303
          03030303030303037D4D4D7C03030303030303030303037C4D4D907E03030303
          030303030303034D004D4D4D4D4D4D4D4D4D4D4D4D4D4D4DA37F03034D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4DA37F03034D4D4D4D4D4D4D4D4D4D4D4D4D4D4DA37F
          0303000000000000000000000000000000000000000000000000000000000000
          000000004D7D03030303030303030303037D4D4D7C0303030303030303030303
          7C4D4D907E03030303030303030303034D0000043F6363636363636363633F04
          00000005579898989898989898985705000000069A9B9B9B9B9B9B9B9B9B9A06
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000009404040404040404040404049400000095
          0505050505050505050505950000006906060606060606060606066900000000
          00000000000000000000000000000000000000000000004D7D03030303030303
          030303037D4D4D7C03030303030303030303037C4D4D968F9797979797979797
          9797974D004D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4DA37F034D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4DA37F034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4DA37F030000
          0000000000000000000000000000000000000000000000000000000000000000
          4D7D03030303030303030303037D4D4D7C03030303030303030303037C4D4D90
          7E03030303030303030303034D000004193F3F3F3F3F3F3F3F3F190400000005
          243636363636363636362405000000062B2B2B2B2B2B2B2B2B2B2B0600000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000042810101010101010101028040000000540646464
          6464646464644005000000063943434343434343434339060000000000000000
          000000000000000000000000000000000000004D8D8F0303030303030303038F
          8D4D4D7D8F0303030303030303038F7D4D4DAC9393939393939393939393CE4D
          004D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4DA37F4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4DA37F4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4DA37F000000000000
          000000000000000000000000000000000000000000000000000000004D7D0303
          0303030303030303037D4D4D7C03030303030303030303037C4D4D907E030303
          03030303030303034D0000940404040404040404040404940000009505050505
          0505050505050595000000690606060606060606060606690000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          000000000000000410282828282828282828100400000005401D1D1D1D1D1D1D
          1D1D4005000000063D5E5E5E5E5E5E5E5E5E3D06000000000000000000000000
          0000000000000000000000000000004D778D7D7D7D7D7D7D7D7D7D8D774D4D77
          7D7C7C7C7C7C7C7C7C7C7D774D4D757180808080808080808071754D004D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D774D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D774D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D7700000000000000000000
          0000000000000000000000000000000000000000000000004D7D030303030303
          03030303037D4D4D7C03030303030303030303037C4D4D968F97979797979797
          979797974D000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          00000004281717171717171717172804000000051D1313131313131313131D05
          0000000639676767676767676767390600000000000000000000000000000000
          0000000000000000000000034D4D4D4D4D4D4D4D4D4D4D4D4D03034D4D4D4D4D
          4D4D4D4D4D4D4D4D03034D4D4D4D4D4D4D4D4D4D4D4D4D03004D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4DA37F4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4DA37F4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4DA37F0003030303030303030303030303
          03030303030303030303030000000000000000004D7D03030303030303030303
          037D4D4D7C03030303030303030303037C4D4DAC939393939393939393939393
          4D00000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000004
          281A1A1A1A1A1A1A1A1A2804000000051D2E2E2E2E2E2E2E2E2E1D0500000006
          986A6A6A6A6A6A6A6A6A98060000000000000000000000000000000000000000
          0000000000000000040404040404040404040404040000050505050505050505
          0505050500000606060606060606060606060600004D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4DA37F034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4DA37F034D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4DA37F0300034D7D4D7D4D7D03034D7D4D7D4D7D0303
          4D7D4D7D4D7D030000000000000000004D757D7D7D7D7D7D7D7D7D7D7D754D4D
          8D7C7C7C7C7C7C7C7C7C7C7C8D4D4D748080808080808080808080744D000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          00000000000000000000000000000000000000000000000000000004171A1A1A
          1A1A1A1A1A1A1704000000052265656565656565656522050000000698585858
          5858585858589806000000000000000000000000000000000000000000000000
          00000004B92803030303030303030328B90405832E1313131313131313132E83
          05060606030303030303030303060606004D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          A37F03034D4D4D4D4D4D4D4D4D4D4D4D4D4D4DA37F03034D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4DA37F030300034D7D4D7D4D7D03034D7D4D7D4D7D03034D7D4D7D
          4D7D03000000000000000000034D4D4D4D4D4D4D4D4D4D4D4D4D03034D4D4D4D
          4D4D4D4D4D4D4D4D4D03034D4D4D4D4D4D4D4D4D4D4D4D4D0300000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          00000000000000004D4D4D4D4D4D4D4D4D4D4D4D4D4D034D4D4D4D4D4D4D4D4D
          4D4D4D4D4D034D4D4D4D4D4D4D4D4D4D4D4D4D4D03000004173F3F3F3F3F3F3F
          3F3F17040000000513575757575757575757130500000006504A4A4A4A4A4A4A
          4A4A500600000000000000000000000000000000000000000000000000000004
          2803030303030303030303032804052E13030303030303030303132E05062D15
          03030303030303030303060600774D4D4D4D4D4D4D4D4D4D4D4D4DA37F030303
          774D4D4D4D4D4D4D4D4D4D4D4D4DA37F030303774D4D4D4D4D4D4D4D4D4D4D4D
          4DA37F03030300034D7D4D7D4D7D03034D7D4D7D4D7D03034D7D4D7D4D7D0300
          0000000000000000000404040404040404040404040400000505050505050505
          0505050505000006060606060606060606060606000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          00000000707070707070707070707070708D4D767676767676767676767676A3
          7D4D7676767676767676767676767C774D0000041A3F3F3F3F3F3F3F3F3F1A04
          000000052E4343434343434343432E0500000006504444444444444444445006
          0000000000000000000000000000000000000000000000000000000403030303
          0303030303030303030405130303030303030303030303130506151503030303
          0303030303030306007F774D4D4D4D4D4D4D4D4D4D4DA37F030303037F774D4D
          4D4D4D4D4D4D4D4D4DA37F030303037F774D4D4D4D4D4D4D4D4D4D4DA37F0303
          030300034D7D4D7D4D7D03034D7D4D7D4D7D03034D7D4D7D4D7D030000000000
          0000000004190303030303030303030303190405291313131313131313131313
          2905060603030303030303030303030606000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          03030303030303030303030397704D03030303030303030303038F7DA34D0303
          03030303030303030303907C4D0000041A1B1B1B1B1B1B1B1B1B1A0400000005
          653D3D3D3D3D3D3D3D3D6505000000069A3B3B3B3B3B3B3B3B3B9A0600000000
          0000000000000000000000000000000000000000000000040303030303030303
          0303030303040513030303030303030303030313050615150303030303030303
          0303030600040404040404040404040404040404030303030505050505050505
          0505050505050503030303060606060606060606060606060606030303030003
          4D7D4D7D4D7D03034D7D4D7D4D7D03034D7D4D7D4D7D03000000000000000000
          0403030303030303030303030303040513030303030303030303030313050615
          1503030303030303030303030600034D4D4D4D4D4D4D4D4D4D4D4D4D4D034D4D
          4D4D4D4D4D4D4D4D4D4D4D4D034D4D4D4D4D4D4D4D4D4D4D4D4D4D0003030303
          030303030303030303704D0303030303030303030303037D764D030303030303
          03030303030303764D0000041A5555555555555555551A040000000532343434
          3434343434343205000000069A3535353535353535359A060000000000000000
          0000000000000000000000000000000000000004030303030303030303030303
          0304051303030303030303030303031305061515030303030303030303030306
          00042028171A1A3F3F1B5563636F79040403030305212A3034393D433657652E
          2E7A050503030306232C31353B3B444A58586A6A7B060603030300034D7D4D7D
          4D7D03034D7D4D7D4D7D03034D7D4D7D4D7D0300000000000000000004030303
          0303030303030303030304051303030303030303030303031305061515030303
          030303030303030306004D8D707070707070707070707070704D7DA376767676
          76767676767676764D777C767676767676767676767676000303030303030303
          0303030303704D0303030303030303030303037D764D03030303030303030303
          030303764D0000043F6363636363636363633F04000000055798989898989898
          98985705000000069A9B9B9B9B9B9B9B9B9B9A06000000000000000000000000
          0000000000000000000000000000000403030303030303030303030303040513
          0303030303030303030303130506151503030303030303030303030600041028
          171A1A3F3F1B5563636F6F790404030305222A3034393D433657652E2E137A05
          05030306242C31353B3B444A58586A6A67830606030300030303030303030303
          0303030303030303030303030303030000000000000000000403030303030303
          0303030303030405130303030303030303030303130506151503030303030303
          0303030306004D70970303030303030303030303034DA37D8F03030303030303
          030303034D7C9003030303030303030303030300030303030303030303030303
          03704D0303030303030303030303037D764D0303030303030303030303030376
          4D000004193F3F3F3F3F3F3F3F3F190400000005243636363636363636362405
          000000062B2B2B2B2B2B2B2B2B2B2B0600000000000000000000000000000000
          0000000000000000000000040303030303030303030303030304051303030303
          03030303030303130506151503030303030303030303030600041028171A383F
          421B5663636F6F6F7904040305222A30343A3D3A363A652E2E13227A05050306
          242C31353C3B3C4A59586A6A675E830606030003030303030303030303030303
          0303030303030303030303000000000000000000040303030303030303030303
          0303040513030303030303030303030313050615150303030303030303030303
          06004D70030303030303030303030303034D767D030303030303030303030303
          4D76030303030303030303030303030003030303030303030303030303704D03
          03030303030303030303037D764D03030303030303030303030303764D000094
          0404040404040404040404940000009505050505050505050505059500000069
          0606060606060606060606690000000000000000000000000000000000000000
          0000000000000004030303030303030303030303030405130303030303030303
          030303130506151503030303030303030303030600041028171A383F421B5663
          636F6F6F6F08040405222A30343A3D3A363A652E2E13221D46050506242C3135
          3C3B3C4A59586A6A675E5E830606000307030703070303030503050305030303
          0503050305030300000000000000000004030303030303030303030303030405
          1303030303030303030303031305061515030303030303030303030306004D70
          030303030303030303030303034D767D0303030303030303030303034D760303
          03030303030303030303030003030303030303030303030303704D0303030303
          030303030303037D764D03030303030303030303030303764D00000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000403030303030303030303030303040513030303030303030303030313
          0506151503030303030303030303030600041028171A383F421B5663636F6F6F
          6F0F070405222A30343A3D3A363A652E2E13221D40830506242C31353C3B3C4A
          59586A6A675E5E508A0600030703070307030303050305030503030305030503
          0503030000000000000000000403030303030303030303030303040513030303
          03030303030303031305061515030303030303030303030306004D7003030303
          0303030303030303034D767D0303030303030303030303034D76030303030303
          030303030303030003030303030303030303030303704D030303030303030303
          0303037D764D03030303030303030303030303764D0000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000004
          0303030303030303030303030304051303030303030303030303031305061515
          03030303030303030303030600041028171A383F421B5663636F6F6F6F080404
          05222A30343A3D3A363A652E2E13221D46050506242C31353C3B3C4A59586A6A
          675E5E8306060003070307030703030305030503050303030503050305030300
          0000000000000000040303030303030303030303030304051303030303030303
          030303031305061515030303030303030303030306004D700303030303030303
          03030303034D767D0303030303030303030303034D7603030303030303030303
          0303030003030303030303030303030303704D0303030303030303030303037D
          764D03030303030303030303030303764D000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000403030303
          0303030303030303030405130303030303030303030303130506151515151515
          151515151515150600041028171A383F421B5663636F6F6F7904040305222A30
          343A3D3A363A652E2E13227A05050306242C31353C3B3C4A59586A6A675E8306
          0603000307030703070303030503050305030303050305030503030000000000
          0000000004030303030303030303030303030405130303030303030303030303
          1305061515030303030303030303030306004D70030303030303030303030303
          034D767D0303030303030303030303034D760303030303030303030303030300
          03030303030303030303030303704D0303030303030303030303037D764D0303
          0303030303030303030303764D00000000000000000000000000000000000000
          000000000000000000034D4D4D4D4D4D4D4D4D4D4D4D4D03034D4D4D4D4D4D4D
          4D4D4D4D4D4D03034D4D4D4D4D4D4D4D4D4D4D4D4D0300042803030303030303
          030303032804052E13030303030303030303132E05062D151515151515151515
          15152D0600041028171A1A3F3F1B5563636F6F79040403030522293034393D43
          3657652E2E137A0505030306242B31353B3B444A58586A6A6783060603030003
          0703070307030303050305030503030305030503050303000000000000000000
          0403030303030303030303030303040513030303030303030303030313050615
          15030303030303030303030306004D70030303030303030303030303034D767D
          0303030303030303030303034D76030303030303030303030303030003030303
          030303030303030303704D0303030303030303030303037D764D030303030303
          03030303030303764D0000000000000000000000000000000000000000000000
          00000000004D8D70707070707070707070708D4D4D7DA3767676767676767676
          A37D4D4D777C7676767676767676767C774D0004B92803030303030303030328
          B90405832E1313131313131313132E830506252D1515151515151515152D2506
          000420102828171717171A1A1A1A20040403030305211D1D1D1D404040406464
          64120505030303062324292929293232322E2E2E460606030303000307030703
          0703030305030503050303030503050305030300000000000000000004030303
          0303030303030303030304051303030303030303030303031305061515151515
          151515151515151506004D70030303030303030303030303034D767D03030303
          03030303030303034D7603030303030303030303030303000303030303030303
          0303030397704D03030303030303030303038F7DA34D03030303030303030303
          0303907C4D00030303030303030303034D4D4D4D4D4D4D0300030303034D7D00
          004D709703030303030303030397704D4DA37D7D7D7D7D7D7D7D7D7D7DA34D4D
          7C90030303030303030303907C4D000004040404040404040404040404000005
          0505050505050505050505050000060606060606060606060606060000040404
          0404040404040404040404040303030305050505050505050505050505050503
          0303030606060606060606060606060606060303030300030303030303030303
          0303030303030303030303030303030000000000000000000403030303030303
          0303030303030405130303030303030303030303130506151515151515151515
          1515151506004D70030303030303030303030303034D767D0303030303030303
          030303034D760303030303030303030303030300707070707070707070707070
          708D4D767676767676767676767676A37D4D7676767676767676767676767C77
          4D000303030303030303034D737474747474734D00030303034D7D00004D7003
          03030303030303030303704D4D768F0303030303030303038F764D4D76030303
          0303030303030303764D00000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000041903030303030303030303
          031904052913131313131313131313132905062D15151515151515151515152D
          06004D70030303030303030303030303034D767D030303030303030303030303
          4D7603030303030303030303030303004D4D4D4D4D4D4D4D4D4D4D4D4D4D034D
          4D4D4D4D4D4D4D4D4D4D4D4D4D034D4D4D4D4D4D4D4D4D4D4D4D4D4D03000303
          030303030303034D740303030303744D00030303034D7D00004D700303030303
          030303030303704D4D760303030303030303030303764D4D7603030303030303
          03030303764D0000000000000000000000000000000000000000000000000000
          0000000000000000000000000000030303030303030303030303030303037F77
          4D4D4D4D4D4D4D4D4D4D4D4D777F7F774D4D4D4D4D4D4D4D4D4D4D4D777F0003
          0303030303030303030303030303037F774D4D4D4D4D4D4D4D4D4D4D4D777F7F
          774D4D4D4D4D4D4D4D4D4D4D4D777F0000040404040404040404040404040000
          0505050505050505050505050500000606060606060606060606060600004D70
          970303030303030303030303034DA37D8F03030303030303030303034D7C9003
          0303030303030303030303000707070707070707070707070707000505050505
          0505050505050505050004040404040404040404040404040000030303030303
          0303034D740303030303744D00030303034D7D00004D70030303030303030303
          0303704D4D760303030303030303030303764D4D760303030303030303030303
          764D000000000000000000000000000000000000000000000000000000000000
          0000000000000000000003030303030303030303030303030303777D4D4D4D4D
          4D4D4D4D4D4D4D4D7D77778D4D4D4D4D4D4D4D4D4D4D4D4D8D77000303030303
          0303030303030303030303777D4D4D4D4D4D4D4D4D4D4D4D4D7D77778D4D4D4D
          4D4D4D4D4D4D4D4D4D8D77000000000000000000000000000000000000000000
          00000000000000000000000000000000000000000000000000004D8D70707070
          7070707070707070704D7DA37676767676767676767676764D777C7676767676
          7676767676767600030303030303030303030303170807242424242424242424
          2424243DC20503030303030303030303030310B904000303030303030303034D
          740303030303744D00030303034D7D00004D700303030303030303030303704D
          4D760303030303030303030303764D4D760303030303030303030303764D0000
          0000000000000000000000000000000000000000000000000000000000000000
          000000000000030303030303030303030303030303034D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D00030303030303030303
          030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D004D700303030303030303030303704D4D7603030303030303
          03030303764D4D760303030303030303030303764D00034D4D4D4D4D4D4D4D4D
          4D4D4D4D4D034D4D4D4D4D4D4D4D4D4D4D4D4D4D034D4D4D4D4D4D4D4D4D4D4D
          4D4D4D0003030303030303030303030303170703030303030303030303039184
          3D05030303030303030303030303031004000303030303030303034D74030303
          0303744D00030303034D7D00004D700303030303030303030303704D4D760303
          030303030303030303764D4D760303030303030303030303764D000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000030303030372747474720303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D0003030303037E68686868687E03
          0303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D004D700303030303030303030303704D4D760303030303030303030303
          764D4D760303030303030303030303764D000007070707070707070707070707
          0700050505050505050505050505050500040404040404040404040404040400
          0303030303030303030303030303070303030303030303030303039124050303
          03030303030303030303030304000303030303030303034D740303030303744D
          00030303034D7D00004D700303030303030303030303704D4D76030303030303
          0303030303764D4D760303030303030303030303764D00000000000000000000
          0000000000000000000000000000000000000000000000000000000000000303
          0303036C7D7D7D6C0303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D000303030303937C7C7C7C7C93030303034D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D00
          4D700303030303030303030303704D4D760303030303030303030303764D4D76
          0303030303030303030303764D0007081703030303030303030303030305C23D
          24242424242424242424242404B9100303030303030303030303030003030303
          0303030303030303030307030303030303030303030303912405030303030303
          030303030303030304000303030303030303034D737474747474734D00030303
          034D7D00004D700303030303030303030303704D4D7603030303030303030303
          03764D4D760303030303030303030303764D0000000000000000000000000000
          0000000000000000000000000000000000000000000000000000030303030376
          030303766868030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D000303030303904D4D4D4D4D90030303034D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D004D700303
          030303030303030303704D4D760303030303030303030303764D4D7603030303
          03030303030303764D00071703030303030303030303030303053D8491030303
          0303030303030303041003030303030303030303030303000303030303030303
          0303030303030703030303030303030303030391240503030303030303030303
          030303030400030303030303030303034D4D4D4D4D4D4D0300030303034D7D00
          004D700303030303030303030303704D4D760303030303030303030303764D4D
          760303030303030303030303764D000000000000000000000000000000000000
          0000000000000000000000000000000000000000000003030303037693939376
          8E7D030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D00030303030303030303030303030303034D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D004D70030303030303
          0303030303704D4D760303030303030303030303764D4D760303030303030303
          030303764D000703030303030303030303030303030524910303030303030303
          0303030304030303030303030303030303030300030303030303030303030303
          0303070303030303030303030303039124050303030303030303030303030303
          04000303030303030303030005050505050505000003030303070300004D7003
          03030303030303030303704D4D760303030303030303030303764D4D76030303
          0303030303030303764D00000000000000000000000000000000000000000000
          00000000000000000000000000000000000003030303034C5C8D5C4C90760303
          03034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D00030303030303030303030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D004D7003030303030303030303
          03704D4D760303030303030303030303764D4D76030303030303030303030376
          4D00070303030303030303030303030303052491030303030303030303030303
          0403030303030303030303030303030003030303030303030303030303030703
          0303030303030303030303912405030303030303030303030303030304000303
          03030303030303051C03030303031C050003030303070300004D700303030303
          030303030303704D4D760303030303030303030303764D4D7603030303030303
          03030303764D0003030303030303030303030303030303030303030303030303
          0303004D4D4D4D4D4D4D4D4D000003030303035C5C6C8E8E7F76030303034D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D0003
          0303030303030303030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D004D700303030303030303030303704D4D
          760303030303030303030303764D4D760303030303030303030303764D000703
          0303030303030303030303030305249103030303030303030303030304030303
          0303030303030303030303000303030303030303030303030303070303030303
          0303030303030391240503030303030303030303030303030400030303030303
          0303030503030303030303050003030303070300004D70030303030303030303
          0303704D4D760303030303030303030303764D4D760303030303030303030303
          764D00037F68900303030303037F68900303030303037F68900303030303004D
          5C5C5C5C5C5C5C4D0000030303030303034C5B5B5B4C030303034D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D000303030303
          03030303030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D004D700303030303030303030303704D4D76030303
          0303030303030303764D4D760303030303030303030303764D00070303030303
          0303030303030303030524910303030303030303030303030403030303030303
          0303030303030300030303030303030303030303030307030303030303030303
          0303039124050303030303030303030303030303040003030303030303030305
          03030303030303050003030303070300004D700303030303030303030303704D
          4D760303030303030303030303764D4D760303030303030303030303764D0003
          905B6C930303030303905B6C930303030303905B6C9303030303004D5C030303
          03035C4D0000030303030303034D4D4D4D4D030303034D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D00030303030303030303
          030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D004D700303030303030303030303704D4D7603030303030303
          03030303764D4D760303030303030303030303764D0007030303030303030303
          0303030303052491030303030303030303030303040303030303030303030303
          0303030003030303030303030303030303030703030303030303030303030391
          2405030303030303030303030303030304000303030303030303030503030303
          0303030500030303030703000000070707070707070707070707070000050505
          0505050505050505050500000404040404040404040404040400000390754D6C
          AC0303030390754D6CAC0303030390754D6CAC030303004D5C03030303035C4D
          0000030303030303030303030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D0003030303030303030303030303
          0303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D004D700303030303030303030303704D4D760303030303030303030303
          764D4D760303030303030303030303764D000703030303030303030303030303
          0305249103030303030303030303030304030303030303030303030303030300
          0303030303030303030303030303070303030303030303030303039124050303
          0303030303030303030303030400030303030303030303050303030303030305
          00030303030703000007081703030303030303030317080705C23D2424242424
          242424243DC20504B91003030303030303030310B904000390754D4D4D8F0303
          0390754D4D4D8F03030390754D4D4D8F0303004D5C03030303035C4D00000303
          03030303030303030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D00030303030303030303030303030303034D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D00
          4D700303030303030303030303704D4D760303030303030303030303764D4D76
          0303030303030303030303764D00070303030303030303030303030303052491
          0303030303030303030303030403030303030303030303030303030003030303
          0303030303030303031707030303030303030303030391843D05030303030303
          0303030303030310040003030303030303030305030303030303030500030303
          0307030000071703030303030303030303031707053D84919191919191919191
          843D05041003030303030303030303031004000390754D6CAC0303030390754D
          6CAC0303030390754D6CAC030303004D5C03030303035C4D0000030303030303
          030303030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D00030303030303030303030303030303034D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D004D700303
          030303030303030303704D4D768F0303030303030303038F764D4D7603030303
          03030303030303764D0007030303030303030303030303030305249103030303
          0303030303030303040303030303030303030303030303000303030303030303
          030303031708072424242424242424242424243DC20503030303030303030303
          030310B90400030303030303030303051C03030303031C050003030303070300
          0007030303030303030303030303030705249103030303030303030391240504
          03030303030303030303030303040003905B6C930303030303905B6C93030303
          0303905B6C9303030303004D5C03030303035C4D000003030303030303030303
          030303030303777D4D4D4D4D4D4D4D4D4D4D4D4D7D7777774D4D4D4D4D4D4D4D
          4D4D4D4D77770003030303030303030303030303030303777D4D4D4D4D4D4D4D
          4D4D4D4D4D7D7777774D4D4D4D4D4D4D4D4D4D4D4D7777004D70970303030303
          0303030397704D4DA37D7D7D7D7D7D7D7D7D7D7DA34D4D7C9003030303030303
          0303907C4D000703030303030303030303030303030524910303030303030303
          0303030304030303030303030303030303030300070707070707070707070707
          0707000505050505050505050505050505000404040404040404040404040404
          0000030303030303030303000505050505050500000303030307030000070303
          0303030303030303030303070524030303030303030303030324050403030303
          0303030303030303030400037F68900303030303037F68900303030303037F68
          900303030303004D5C5C5C5C5C5C5C4D00000303030303030303030303030303
          03037F774D4D4D4D4D4D4D4D4D4D4D4D777F7F774D4D4D4D4D4D4D4D4D4D4D4D
          777F00030303030303030303030303030303037F774D4D4D4D4D4D4D4D4D4D4D
          4D777F7F774D4D4D4D4D4D4D4D4D4D4D4D777F004D8D70707070707070707070
          708D4D4D7DA3767676767676767676A37D4D4D777C7676767676767676767C77
          4D00071703030303030303030303030303053D84910303030303030303030303
          0410030303030303030303030303030000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000007030303030303
          0303030303030307052403030303030303030303032405040303030303030303
          0303030303040003030303030303030303030303030303030303030303030303
          0303004D4D4D4D4D4D4D4D4D0000030303030303030303030303030303030505
          0505050505050505050505050505060606060606060606060606060606060003
          0303030303030303030303030303030505050505050505050505050505050506
          06060606060606060606060606060600034D4D4D4D4D4D4D4D4D4D4D4D4D0303
          4D4D4D4D4D4D4D4D4D4D4D4D4D03034D4D4D4D4D4D4D4D4D4D4D4D4D03000708
          1703030303030303030303030305C23D24242424242424242424242404B91003
          0303030303030303030303000000000000000000000000000000000000000303
          03030303030303030303030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D03034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D03000703030303030303030303
          0303030705240303030303030303030303240504030303030303030303030303
          0304000303030303030303030303030303030303030303030303030303030004
          0404040404040404000003030303030303030303030303030303057A65656565
          65656565656565657A0506D9C7C7C7C7C7C7C7C7C7C7C7C7D906000303030303
          0303030303030303030303057A6565656565656565656565657A0506D9C7C7C7
          C7C7C7C7C7C7C7C7C7D906000703030303030303030303030303070524030303
          0303030303030303240504030303030303030303030303030400000707070707
          0707070707070707070005050505050505050505050505050004040404040404
          0404040404040400000000000000000000000000000000000000030303030303
          0303030303030303030303034D757C7C7C7C7C7C7C7C7C7C7C7C7C7C754D4D74
          0303030303030303030303030303744D00070303030303030303030303030307
          0524030303030303030303030324050403030303030303030303030303040003
          03A8B003030303030303B24503030303030303B2450303030303000403030303
          030303040000030303030303030303030303030303030532C3C3C3C3C3C3C3C3
          C3C3C3C3320506C5C5C5C5C5C5C5C5C5C5C5C5C5C50600030303030303030303
          030303030303030532C3C3C3C3C3C3C3C3C3C3C3C3320506C5C5C5C5C5C5C5C5
          C5C5C5C5C5C50600070303030303030303030303030307052403030303030303
          0303030324050403030303030303030303030303040000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000003030303030303030303
          03030303030303034D7C6B0303030303030303030303036B7C4D4D907E030303
          03030303030303030303034D0007030303030303030303030303030705240303
          03030303030303030324050403030303030303030303030303040003035AB4B0
          030303030303B34545030303030303B345450303030300040303030303030304
          0000030303030303030303030303030303030557787878323D3D3D3278787878
          570506C4C4C4C41F2727271FC4C4C4C4C4060003030303030303030303030303
          0303030557787878C39898989898C37878570506C4C4C4C4C53737373737C5C4
          C4C4060007030303030303030303030303030705240303030303030303030303
          2405040303030303030303030303030304000303030303030303030303030303
          03037F774D4D4D4D4D4D4D4D4D4D4D4D777F7F774D4D4D4D4D4D4D4D4D4D4D4D
          777F000000000000000000000000000000000303030303030303030303030303
          030303034D7C03030303030303030303030303037C4D4D907E03030303030303
          030303030303034D000703030303030303030303030303070524030303030303
          030303030324050403030303030303030303030303040003035AB0B4B0030303
          0303B3454F450303030303B3454F450303030004030303030303030400000303
          0303034F4545454F03030303030305368181814FE5E5E54F818181813605066E
          6E6E6ED7B7B7B7D76E6E6E6E6E0600030303030366CBCBCBCBCB660303030305
          36818181DCCCCCCCCCCCDC81813605066E6E6E6EE0CDCDCDCDCDE06E6E6E0600
          0703030303030303030303030303070524030303030303030303030324050403
          030303030303030303030303040003030303030303030303030303030303777D
          4D4D4D4D4D4D4D4D4D4D4D4D7D77778D4D4D4D4D4D4D4D4D4D4D4D4D8D770000
          0000000000000000000000000000030303030303030303030303030303030303
          4D7C03030303030303030303030303037C4D4D907E0303030303030303030303
          0303034D00070303030303030303030303030307052403030303030303030303
          0324050403030303030303030303030303040003035AB0B0B0B003030303B345
          45454503030303B34545454503030004030303030303030400000303030303BE
          030303BE0303030303030524C0C0C0B5C0C0C0B55050C0C024050682828282B7
          828282B753538282820600030303030345454545454545030303030524C0C0C0
          E34545454545E3C0C024050682828282DDBCBCBCBCBCDD828282060007030303
          0303030303030303030307052403030303030303030303032405040303030303
          03030303030303030400030303030303030303030303030303034D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D000000000000
          000000000000000000000303030303030303030303030303030303034D7C0303
          0303030303030303030303037C4D4D907E03030303030303030303030303034D
          0007030303030303030303030303030705240303030303030303030303240504
          03030303030303030303030303040003035AB0B4B00303030303B3454F450303
          030303B3454F450303030004030303030303030400000303030303BE030303BE
          47D403030303053D868686B56D6D6DB5C9D186863D050685858585B7606060B7
          CACD858585060003030303030303030303030303030303053D86868686868686
          86868686863D0506858585858585858585858585858506000703030303030303
          0303030303030705240303030303030303030303240504030303030303030303
          030303030400030303030373680303036873030303034D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D00000000000000000000
          0000000000000303030303030303030303030303030303034D7C030303030303
          03030303030303037C4D4D907E03030303030303030303030303034D00070303
          0303030303030303030303070524030303030303030303030324050403030303
          030303030303030303040003035AB4B0030303030303B34545030303030303B3
          454503030303000403030303030303040000030303030347D5E4D54745BA0303
          03030539878787BB69A969BBE3B68787390506C1C1C1C1BDD8D8D8BDDDB8C1C1
          C106000303030303030303030303030303030305398787878787878787878787
          87390506C1C1C1C1C1C1C1C1C1C1C1C1C1C10600070303030303030303030303
          0303070524030303030303030303030324050403030303030303030303030303
          040003030303034C7C6803687C4C030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D0000000000000000000000000000
          00000303030303030303030303030303030303034D7C03030303030303030303
          030303037C4D4D907E03030303030303030303030303034D0007030303030303
          0303030303030307052403030303030303030303032405040303030303030303
          030303030304000303A8B003030303030303B24503030303030303B245030303
          03030004030303030303030400000303030303454547474703BE030303030522
          2A2A2A707047D1D134B52A2A22050648484848D0D0BDD0D053B7484848060003
          03030303030303030303030303030305222A2A2A2A2A2A2A2A2A2A2A2A220506
          4848484848484848484848484848060007030303030303030303030303030705
          2403030303030303030303032405040303030303030303030303030304000303
          0303035C4D7C737C4D5C030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D000000000000000000000000000000000303
          030303030303030303030303030303034D7C0303030303030303030303030303
          7C4D4D907E03030303030303030303030303034D000703030303030303030303
          0303030705240303030303030303030303240504030303030303030303030303
          0304000303030303030303030303030303030303030303030303030303030004
          0404040404040404000003030303030303BE161616BE03030303052234343434
          34B6909090B63434220506414141414141B8E3E3E3B841414106000303030303
          0303030303030303030303052234343434343434343434343422050641414141
          4141414141414141414106000703030303030303030303030303070524030303
          0303030303030303240504030303030303030303030303030400030303030303
          5C4D4C4D5C03030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D00000000000000000000000000000000030303030303
          0303030303030303030303034D7C03030303030303030303030303037C4D4D90
          7E03030303030303030303030303034D00000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          00000000000003030303030303454545454503030303051D3D3D3D3D3D454545
          45453D3D1D0506535353535353BCBCBCBCBC5353530600030303030303030303
          03030303030303051D3D3D3D3D3D3D3D3D3D3D3D3D1D05065353535353535353
          5353535353530600070303030303030303030303030307052403030303030303
          03030303240504030303030303030303030303030400030303030303684C4D4C
          6803030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D0000000000000000000000000000000003030303030303030303
          03030303030303034D7C03030303030303030303030303037C4D4D907E030303
          03030303030303030303034D0000000000000000000000000000000003030303
          030303030303030303030303030303030303036B5C6C4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D6C5C6B6B5C6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C5C
          6B00030303030303030303030303030303030540363636363636363636363636
          4005063E3E3E3E3E3E3E3E3E3E3E3E3E3E060003030303030303030303030303
          03030305403636363636363636363636364005063E3E3E3E3E3E3E3E3E3E3E3E
          3E3E060007030303030303030303030303030705240303030303030303030303
          2405040303030303030303030303030304000303030303687C4D7C4D7C680303
          03034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D000000000000000000000000000000000303030303030303030303030303
          030303034D7C03030303030303030303030303037C4D4D907E03030303030303
          030303030303034D000000000000000000000000000000000303030303030303
          0303030303030303030303030303035C7D6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D6C7D5C5C774C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4C775C000303
          03030303030303030303030303030540323232323232323232323232400506E1
          E1E1E1E1E1E1E1E1E1E1E1E1E106000303030303030303030303030303030305
          40323232323232323232323232400506E1E1E1E1E1E1E1E1E1E1E1E1E1E10600
          0703030303030303030303030303070524910303030303030303039124050403
          030303030303030303030303040003030303037D4D5C035C4D7D030303034D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D0000
          0000000000000000000000000000030303030303030303030303030303030303
          4D7C03030303030303030303030303037C4D4D907E0303030303030303030303
          0303034D00000000000000000000000000000000030303030303030303030303
          03030303030303030303036C6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          6C6C6C4C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4C6C00030303030303
          0303030303030303030305642E2E2E2E2E2E2E2E2E2E2E2E6405061E2F2F2F2F
          2F2F2F2F2F2F2F2F1E06000303030303030303030303030303030305642E2E2E
          2E2E2E2E2E2E2E2E2E6405061E2F2F2F2F2F2F2F2F2F2F2F2F1E060007170303
          0303030303030303031707053D84919191919191919191843D05041003030303
          030303030303031004000303030303A35C0303035CA3030303034D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D000000000000
          000000000000000000000303030303030303030303030303030303034D7C0303
          0303030303030303030303037C4D4D907E03030303030303030303030303034D
          0000000000000000000000000000000003030303030303030303030303030303
          030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D0003030303030303030303
          0303030303030546646464646464646464646464460506D9E0E0E0E0E0E0E0E0
          E0E0E0E0D9060003030303030303030303030303030303054664646464646464
          6464646464460506D9E0E0E0E0E0E0E0E0E0E0E0E0D906000708170303030303
          0303030317080705C23D2424242424242424243DC20504B91003030303030303
          030310B90400030303030303030303030303030303034D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D00000000000000000000
          0000000000000303030303030303030303030303030303034D7C030303030303
          03030303030303037C4D4D968F97979797979797979797979797974D00000000
          0000000000000000000000000303030303030303030303030303030303030303
          0303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D000303030303030303030303030303
          0303050505050505050505050505050505050606060606060606060606060606
          0606000303030303030303030303030303030305050505050505050505050505
          0505050606060606060606060606060606060600000707070707070707070707
          0707000005050505050505050505050505000004040404040404040404040404
          0000030303030303030303030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D0000000000000000000000000000
          00000303030303030303030303030303030303034D7C6B030303030303030303
          0303036B7C4D4DAC9393939393939393939393939393934D0000000000000000
          000000000000000003030303030303030303030303030303030303030303034D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D00000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000303
          03030303030303030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D000000000000000000000000000000000303
          030303030303030303030303030303034D757C7C7C7C7C7C7C7C7C7C7C7C7C7C
          754D4D728080808080808080808080808080724D000000000000000000000000
          0000000003030303030303030303030303030303030303030303034D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D0000000003030303030303030303030303030303030303
          030303036B5C6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C5C6B6B5C6C4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C5C6B0003030303030303030303030303
          030303030303030303036B5C6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C5C
          6B6B5C6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C5C6B0000030303030303
          03030303030303030303777D4D4D4D4D4D4D4D4D4D4D4D4D7D7777774D4D4D4D
          4D4D4D4D4D4D4D4D7777004D4D4D4D4D4D4D4D4D000000000000030303030303
          030303030303030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D03034D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D0300000000000000000000000000000000
          03030303030303030303030303030303030303030303034D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D000000000303030303030303030303030303030303030303030303
          5C7D6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C7D5C5C774C4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4C775C000303030303030303030303030303030303
          0303030303035C7D6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C7D5C5C774C
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4C775C000003030303030303030303
          0303030303037F774D4D4D4D4D4D4D4D4D4D4D4D777F7F774D4D4D4D4D4D4D4D
          4D4D4D4D777F0003030303030303030300000000000003030303030303030303
          0303030303030303000505050505050505050505050505050500000606060606
          0606060606060606060606000003030303030303030300000000000003030303
          030303030303030303030303030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D0000000003030303030303030303030303030303030303030303036C6C4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C6C6C4C4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4C6C00030303030303030303030397030303030303030303
          03036C6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C6C6C4C4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4C6C00000303030303030303030303030303
          0303050505050505050505050505050505050606060606060606060606060606
          0606000303030303030303030000000000000303030303030303030303030303
          0303030305211313131313131313131313131313210506060303030303030303
          0303030303030606000303030303030303030000000000000303030303030303
          0303030303030303030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D000000
          00030303030303035C5C5C5C5C5C680303030303030303034D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D00030303030303030303038F5B96030303030303030303034D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D000003030303030303030303030303030303057A
          6565656565656565656565657A0506D9C7C7C7C7C7C7C7C7C7C7C7C7D9060003
          0303030303030303000000000000030303030303030303030303030303030303
          0513130303030303030303030303031313050615150303030303030303030303
          0303030600030303030303030303000000000000030303030303030303030303
          03030303030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D00000000030303
          030303034D4D4D4D4D4D8D0303030303030303034D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D00030303030303030303038B4D70030303030303030303034D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D0000030303030303030303030303030303030532C3C3C3C3
          C3C3C3C3C3C3C3C3320506C5C5C5C5C5C5C5C5C5C5C5C5C5C506000303030303
          0303030300000000000003030303030303030303030303030303030305130303
          0303030303030303030303031305061515030303030303030303030303030306
          0003030303030303030300000000000003030303030303030303030303030303
          030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D0000000003030303030303
          4D03030303708D0303030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D0003
          0303030303030303038FA368030303030303030303034D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D00000303030303030303030303030303030305577878783698787878
          98367878570506C4C4C4C41F37C4C4C4371FC4C4C40600030303030303030303
          0000000000000303030303030303030303030303030303030513030303030303
          0303030303030303130506151503030303030303030303030303030600030303
          0303030303030000000000000303030303030303030303030303030303030303
          0303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D00000000030303030303034D030303
          03707C5C5C030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D000303030303
          03030303037F765B7F0303030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          0000030303030347CB030303CB47030303030536818181BBCC2A812ACCBB8181
          3605066E6E6E6EBDCD3E6E3ECDBD6E6E6E060003030303030303030300000000
          0000030303030303030303030303030303030303051303030303030303030303
          0303030313050615150303030303030303030303030303060003030303030303
          030300000000000003030303030303030303030303030303030303030303034D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D00000000030303030303034D939393938E4D4D
          4D030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D00030303030303030303
          037E6C4D5C6B03030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D00000303
          0303034545CB03CB4545030303030524C0C0C0C945CF39CF45C9C0C024050682
          828282CABCCD33CDBCCA82828206000303030303030303030000000000000303
          0303030303030303030303030303030305130303030303030303030303030303
          1305061515030303030303030303030303030306000303030303030303030000
          0000000003030303030303030303030303030303030303030303034D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D00000000030303030303034D77777777A38D034D030303
          030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D0003030303030303030303035C4D
          6CCE03030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D0000030303030303
          4545BE45450303030303053D86868686C945B645C98686863D05068585858585
          CABCB8BCCA858585850600757575757575757575000000000000030303030303
          0303030303030303030303030513030303030303030303030303030313050615
          1503030303030303030303030303030600757575757575757575000000000000
          03030303030303030303030303030303030303030303036C6C4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D6C6C6C4C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4C6C00000000030303030303034D4D4D4D4D4D5C034D03030303030303
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D0003030303030303039074CE7E8D4D730303
          0303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D000003030303030303BE45BE
          0303030303030539878787875EB645B65E878787390506C1C1C1C1C152B8BCB8
          52C1C1C1C1060007070707070707070700000000000003030303030303030303
          0303030303030303051303030303030303030303030303031305061515030303
          030303030303030303030306004D4D4D4D4D4D4D4D4D00000000000003030303
          030303030303030303030303030303030303035C7D6C4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D6C7D5C5C7D4C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4C7D
          5C000000000303030303030303038D8E939393934D030303030303034D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D000303030303030303687677727D4D71030303030303
          03034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D0000030303030303CB454545CB030303
          030305222A2A2A32CC45B645CC322A2A2205064848484827E2BCB8BCE2274848
          4806000303030303030303030000000000000303030303030303030303030303
          0303030305130303030303030303030303030303130506151503030303030303
          0303030303030306000303030303030303030000000000000303030303030303
          0303030303030303030303030303036B5C6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D6C5C6B6B5C6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C5C6B000000
          000303030303030303038DA3777777774D030303030303034D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D0003030303030303037E6C4D6C4D6C7E03030303030303034D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D00000303030303D44545034545D4030303030522
          343434CC45D134D145CC343422050641414141E2BCD041D0BCE2414141060003
          0303030303030303000000000000030303030303030303030303030303030303
          0513030303030303030303030303030313050615150303030303030303030303
          0303030600030303030303030303000000000000030303030303030303030303
          0303030303030303030303050505050505050505050505050505050505050505
          0505060606060606060606060606060606060606060606060600000000030303
          0303030303035C4D4D4D4D4D4D030303030303034D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D000303030303030303038F8E7D8E8F0303030303030303034D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D000003030303034545030303454503030303051D3D3D3DBB
          CF3D3D3DCFBB3D3D1D050653535353BDD0535353D0BD53535306000303030303
          0303030300000000000003030303030303030303030303030303030305130303
          0303030303030303030303031305061515030303030303030303030303030306
          0003030303030303030300000000000003030303030303030303030303030303
          03030303030303057B296565656565656565656565656565656565297B0506AD
          C6C7C7C7C7C7C7C7C7C7C7C7C7C7C7C7C7C7C6AD060000000003030303030303
          030303030303030303030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D0003
          030303030303030303030303030303030303030303034D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D00000303030303030303030303030303030305403636363636363636
          363636364005063E3E3E3E3E3E3E3E3E3E3E3E3E3E0600030303030303030303
          0000000000000303030303030303030303030303030303030513030303030303
          0303030303030303130506151503030303030303030303030303030600030303
          0303030303030000000000000303030303030303030303030303030303030303
          03030305246DC3C3C3C3C3C3C3C3C3C3C3C3C3C3C3C3C36D240506C6C5C5C5C5
          C5C5C5C5C5C5C5C5C5C5C5C5C5C5C5C606000000000303030303030303030303
          0303030303030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D000303030303
          0303030303030303030303030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          0000030303030303030303030303030303030540323232323232323232323232
          400506E1E1E1E1E1E1E1E1E1E1E1E1E1E1060003030303030303030300000000
          0000030303030303030303030303030303030303051303030303030303030303
          0303030313050615150303030303030303030303030303060003030303030303
          0303000000000000030303030303030303030303030303030303030303030305
          5778787878787878787878787878787878787878570506C4C4C4C4C4C4C4C4C4
          C4C4C4C4C4C4C4C4C4C4C4C40600000000030303030303030303030303030303
          03030303030303036C6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C6C6C
          4C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4C6C00030303030303030303
          03030303030303030303030303036C6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D6C6C6C4C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4C6C00000303
          030303030303030303030303030305642E2E2E2E2E2E2E2E2E2E2E2E6405061E
          2F2F2F2F2F2F2F2F2F2F2F2F1E06000303030303030303030000000000000303
          0303030303030303030303030303030305130303030303030303030303030303
          1305061515151515151515151515151515151506000303030303030303030000
          0000000003030303030303030303030303030303030303030303030529818181
          81818181818181818181818181818181290506C4C4C4C4C4C4C4C4C4C4C4C4C4
          C4C4C4C4C4C4C4C4060000000003030303030303030303030303030303030303
          030303035C7D6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C7D5C5C7D4C4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4C7D5C0003030303030303030303030303
          030303030303030303035C7D6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C7D
          5C5C7D4C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4C7D5C0000030303030303
          030303030303030303030546646464646464646464646464460506D9E0E0E0E0
          E0E0E0E0E0E0E0E0D90600030303030303030303000000000000030303030303
          0303030303030303030303030513130303030303030303030303031313050615
          1515151515151515151515151515150600030303030303030303000000000000
          0303030303030303030303030303030303030303030303053684848484848484
          8484848484848484848484843605066E6E6E6E6E6E6E6E6E6E6E6E6E6E6E6E6E
          6E6E6E6E06000000000303030303030303030303030303030303030303030303
          6B5C6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C5C6B6B5C6C4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D6C5C6B000303030303030303030303030303030303
          0303030303036B5C6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C5C6B6B5C6C
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C5C6B000003030303030303030303
          0303030303030505050505050505050505050505050506060606060606060606
          0606060606060003030303030303030300000000000003030303030303030303
          0303030303030303052113131313131313131313131313132105061415151515
          1515151515151515151514060003030303030303030300000000000003030303
          030303030303030303030303030303030303030543C0C0C0C0C0C0C0C0C0C0C0
          C0C0C0C0C0C0C0C0430506828282828282828282828282828282828282828282
          0600000000030303030303030303030303030303030303030303030305050505
          0505050505050505050505050505050505050506060606060606060606060606
          0606060606060606060600030303030303030303030303030303030303030303
          0303050505050505050505050505050505050505050505050506060606060606
          0606060606060606060606060606060600000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000303030303030303030303030303
          0303030300050505050505050505050505050505050000060606060606060606
          0606060606060600000707070707070707070000000000000303030303030303
          030303030303030303030303030303053D868686868686868686868686868686
          868686863D050685858585858585858585858585858585858585858506000000
          000303030303030303030303030303030303030303030303057B296565656565
          656565656565656565656565297B0506ADC6C7C7C7C7C7C7C7C7C7C7C7C7C7C7
          C7C7C7C6AD06000303030303030303030303030303030303030303030303057B
          296565656565656565656565656565656565297B0506ADC6C7C7C7C7C7C7C7C7
          C7C7C7C7C7C7C7C7C7C6AD060000034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D03034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D03034D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D0300000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000030303030303030303030303
          0303030303030303030303053987878787878787878787878787878787878787
          390506C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C10600000000030303
          030303030303030303030303030303030303030305246DC3C3C3C3C3C3C3C3C3
          C3C3C3C3C3C3C3C36D240506C6C5C5C5C5C5C5C5C5C5C5C5C5C5C5C5C5C5C5C5
          C60600030303030303030303030303030303030303030303030305246DC3C3C3
          C3C3C3C3C36DC3C3C3C3C3C3C3C36D240506C6C5C5C5C5C5C5C5C5C5C7C5C5C5
          C5C5C5C5C5C5C60600004D778D7D7D7D7D7D7D7D7D7D7D7D7D7D7D7D8D774D4D
          777D7C7C7C7C7C7C7C7C7C7C7C7C7C7C7C7D774D4D5B7E030303030303030303
          0303030303037E5B4D0003030303030303030303030303030303030303030303
          036B5C6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C5C6B6B5C6C4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D6C5C6B0003030303030303030303030303030303
          0303030303030305222A2A2A2A2A2A2A2A2A2A2A2A2A2A2A2A2A2A2A22050648
          4848484848484848484848484848484848484848060000000003030303030303
          0303030303030303030303030303030305577878787878656565656565987878
          7878787878570506C4C4C4C4C4C49B9B9B9B9B9B33C4C4C4C4C4C4C4C4060003
          0303030303030303030390030303030303030303030305577878787878787878
          5EA02A7878787878787878570506C4C4C4C4C4C4C4C4C4C77B37C4C4C4C4C4C4
          C4C4C40600004D8D8F0303030303030303030303030303038F8D4D4D7D8F0303
          030303030303030303030303038F7D4D4DCE7E03030303030303030303030303
          0303037E4D0003030303030303030303030303030303030303030303035C7D6C
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C7D5C5C774C4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4C775C000303030303030303030303030303030303030303
          0303030522303030303030303030303030303030303030302205064141414141
          4141414141414141414141414141414106000000000303030303030345454545
          4545B20303030303030303030529818181818145454545454570818181818181
          81290506C4C4C4C4C4C4BCBCBCBCBCBCCDC4C4C4C4C4C4C4C406000303030303
          0303030303B645B60303030303030303030305298181818181818181DE45DF81
          81818181818181290506C4C4C4C4C4C4C4C4C4D9BC06C4C4C4C4C4C4C4C4C406
          00004D7D03030303030303030303030303030303037D4D4D7C03030303030303
          030303030303030303037C4D4D907E0303030303030303030303030303030303
          4D0003030303030303030303030303030303030303030303036C6C4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C6C6C4C4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4C6C00030303030303030303030303030303030303030303030305
          1D393939393939393939393939393939393939391D0506535353535353535353
          5353535353535353535353530600000000030303030303034503030303D4B203
          0303030303030303053684848484844584848484697084848484848484360506
          6E6E6E6E6E6EBC6E6E6E6ED8D06E6E6E6E6E6E6E6E0600030303030303030303
          03D4BECB0303030303030303030305368484848484848484DCB2AA8484848484
          8484843605066E6E6E6E6E6E6E6E6E88B7DD6E6E6E6E6E6E6E6E6E0600004D7D
          03030303030303030303030303030303037D4D4D7C0303030303030303030303
          0303030303037C4D4D907E03030303030303030303030303030303034D000303
          0303030303036868686868686803030303030303034D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D000303030303030303030303030303030303030303030303051D434343
          434343434343434343434343434343431D05063E3E3E3E3E3E3E3E3E3E3E3E3E
          3E3E3E3E3E3E3E3E0600000000030303030303034503030303D4CB0303030303
          030303030543C0C0C0C0C045C0C0C0C069CF2929C0C0C0C0C043050682828282
          8282BC82828282ADCD2727828282828282060003030303030303030303D5B64E
          030303030303030303030543C0C0C0C0C0C0C0C0A5B25178C0C0C0C0C0C0C043
          050682828282828282828288B78A6E82828282828282820600004D7D03030303
          030303030303030303030303037D4D4D7C030303030303030303030303030303
          03037C4D4D907E03030303030303030303030303030303034D00030303030303
          03037C7C7C7C7C7C7C03030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D00
          0303030303030303030303030303030303030303030303054057575757575757
          5757575757575757575757574005063737373737373737373737373737373737
          373737370600000000030303030303034503030303D545454503030303030303
          053D8686868686456D6D6D6D6945454586868686863D0506858585858585BC60
          606060D8BCBCBC858585858585060003030303030303030303454F4FCE030303
          030303030303053D8686868686868686C24F4751C08686868686863D05068585
          8585858585858588D7D75985858585858585850600004D7D0303030303030303
          0303030303030303037D4D4D7C03030303030303030303030303030303037C4D
          4D907E03030303030303030303030303030303034D0003030303030303034D4D
          4D4D4D4D4D03030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D0003030303
          0303030303030303030303030303030303030305406565656565656565656565
          6565656565656565400506376161616161616161616161616161616161616137
          0600000000030303030303034566666666D4B203450303030303030305398787
          87878745A9A9A9A9D17087458787878787390506C1C1C1C1C1C1BCD8D8D8D8D3
          D0C1BCC1C1C1C1C1C1060003030303030303030303034F45477F030303030303
          03030539878787878787878787C945BB4A878787878787390506C1C1C1C1C1C1
          C1C1C1C1CABCBDC6C1C1C1C1C1C1C10600004D7D030303030303030303030303
          03030303037D4D4D7C03030303030303030303030303030303037C4D4D907E03
          030303030303030303030303030303034D0003030303030303035C5C5C5C5C5C
          5C03030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D000303030303030303
          030303030303030303030303030303051D222E2E2E2E2E2E2E2E2E2E2E2E2E2E
          2E2E2E221D050649B12727272727272727272727272727272727B14906000000
          00030303030303034545454545454503450303030303030305222A2A2A2A2A45
          4545454545702A452A2A2A2A2A220506484848484848BCBCBCBCBCBCD048BC48
          48484848480600030303030303030303030345B645CB03030303030303030522
          2A2A2A2A2A2A3D2E4346D145622A2A2A2A2A2A220506484848484848483E1F61
          49D3BCDB484848484848480600004D7D03030303030303030303030303030303
          037D4D4D7C03030303030303030303030303030303037C4D4D907E0303030303
          0303030303030303030303034D00030303030303030303030303030303030303
          03030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D00030303030303030303030303
          0303030303030303030303058340646464646464646464646464646464646440
          830506ADAEAFAFAFAFAFAFAFAFAFAFAFAFAFAFAFAFAFAEAD0600000000030303
          030303030303B2D5030303034503030303030303052230303030303030CCA936
          3636364530303030302205064141414141414141CDD861616161BC4141414141
          4106000303030303030303BABEB303A845470303030303030303052230303030
          303062B2AC1D80458030303030303022050641414141414141D9B7D831DABCDA
          414141414141410600004D7D03030303030303030303030303030303037D4D4D
          7C03030303030303030303030303030303037C4D4D907E030303030303030303
          03030303030303034D0003030303030303030303030303030303030303030303
          034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D0003030303030303030303030303030303
          0303030303030305050505050505050505050505050505050505050505050606
          0606060606060606060606060606060606060606060000000003030303030303
          0303B2D4666666664503030303030303051D39393939393939CCD56868686845
          39393939391D05065353535353535353CDCDD6D6D6D6BC535353535353060003
          030303030303034545454F4545450303030303030303051D3939393939391247
          45474547123939393939391D0506535353535353531ED7BCD7BCD71E53535353
          5353530600004D7D03030303030303030303030303030303037D4D4D7C030303
          03030303030303030303030303037C4D4D907E03030303030303030303030303
          030303034D0003030303030303030303030303030303030303030303034D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000303030303030303034545
          454545454503030303030303051D43434343434343CF45454545454543434343
          431D05063E3E3E3E3E3E3E3ED0BCBCBCBCBCBC3E3E3E3E3E3E06000303030303
          030303034545454545030303030303030303051D4343434343434399D1B5D199
          434343434343431D05063E3E3E3E3E3E3E3ED2D3B7D3D23E3E3E3E3E3E3E3E06
          00004D7D03030303030303030303030303030303037D4D4D7C03030303030303
          030303030303030303037C4D4D907E0303030303030303030303030303030303
          4D0003030303030303030303030303030303030303030303034D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D00000000030303030303030303030303030303030303030303
          03036B5C6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C5C6B6B5C6C4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D6C5C6B00030303030303030303030303030303
          0303030303030303054057575757575757575757575757575757575757400506
          3737373737373737373737373737373737373737370600030303030303030303
          0303030303030303030303030303054057575757575757575757575757575757
          5757574005063737373737373737373737373737373737373737370600004D7D
          03030303030303030303030303030303037D4D4D7C0303030303030303030303
          0303030303037C4D4D907E03030303030303030303030303030303034D000303
          0303030303030303030303030303030303030303034D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D0000000003030303030303030303030303030303030303030303035C7D
          6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C7D5C5C774C4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4C775C0003030303030303030303030303030303030303
          0303030305406565656565656565656565656565656565656540050637616161
          6161616161616161616161616161616137060003030303030303030303030303
          0303030303030303030305406565656565656565656565656565656565656540
          05063761616161616161616161616161616161616161370600004D7D03030303
          030303030303030303030303037D4D4D7C030303030303030303030303030303
          03037C4D4D907E03030303030303030303030303030303034D00030303030303
          03030303030303030303030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D00
          00000003030303030303030303030303030303030303030303036C6C4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C6C6C4C4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4C6C000303030303030303030303030303030303030303030303
          051D222E2E2E2E2E2E2E2E2E2E2E2E2E2E2E2E2E221D050649B1272727272727
          2727272727272727272727B14906000303030303030303030303030303030303
          030303030303051D222E2E2E2E2E2E2E2E2E2E2E2E2E2E2E2E2E221D050649B1
          2727272727272727272727272727272727B1490600004D7D0303030303030303
          0303030303030303037D4D4D7C03030303030303030303030303030303037C4D
          4D907E03030303030303030303030303030303034D0003030303030303030303
          030303030303030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D0000000003
          0303030303035C5C5C5C5C5C5C5C5C030303030303034D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D00030303030303030303030303030303030303030303030305834064
          6464646464646464646464646464646440830506ADAEAFAFAFAFAFAFAFAFAFAF
          AFAFAFAFAFAFAFAEAD0600030303030303030303030303030303030303030303
          0303058340646464646464646464646464646464646440830506ADAEAFAFAFAF
          AFAFAFAFAFAFAFAFAFAFAFAFAFAEAD0600004D7D030303030303030303030303
          03030303037D4D4D7C03030303030303030303030303030303037C4D4D907E03
          030303030303030303030303030303034D000303030303030303030303030303
          0303030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D000000000303030303
          03034D4D4D4D4D4D4D4D4D030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          0003030303030303030303030303030303030303030303030505050505050505
          0505050505050505050505050505050606060606060606060606060606060606
          0606060606060003030303030303030303030303030303030303030303030505
          0505050505050505050505050505050505050505050606060606060606060606
          06060606060606060606060600004D7D03030303030303030303030303030303
          037D4D4D7C03030303030303030303030303030303037C4D4D907E0303030303
          0303030303030303030303034D00030303030303030303030303030303030303
          03030303036C6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C6C6C4C4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4C6C00000000030303030303034D03
          0303030303034D030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D00000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          000000000000000000004D7D03030303030303030303030303030303037D4D4D
          7C03030303030303030303030303030303037C4D4D907E030303030303030303
          03030303030303034D0003030303030303030303030303030303030303030303
          035C7D6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C7D5C5C7D4C4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4C7D5C00000000030303030303034D0303030303
          03034D030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D0003030303030303
          0303030303030303030303030303030303000000000003030303030303030303
          030303030303030303030303036B5C6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D6C5C6B6B5C6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C5C6B0003030303
          030303030303030303030303030303030303030303030300034D4D4D4D4D4D4D
          0300000000004D7D03030303030303030303030303030303037D4D4D7C030303
          03030303030303030303030303037C4D4D907E03030303030303030303030303
          030303034D0003030303030303030303030303030303030303030303036B5C6C
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C5C6B6B5C6C4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D6C5C6B00000000030303030303034D030303030303034D03
          0303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D00037D7D7D7D7D7D03037D7D
          7D7D7D7D03037D7D7D7D7D7D0300000000000303030303030303030303030303
          0303030303030303035C7D6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C7D5C
          5C774C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4C775C00030303030390687F
          03030303030390687F03030303030390687F03004D747171717171744D000000
          00004D7D03030303030303030303030303030303037D4D4D7C03030303030303
          030303030303030303037C4D4D907E0303030303030303030303030303030303
          4D00030303030303030303030303030303030303030303030305050505050505
          0505050505050505050505050505050506060606060606060606060606060606
          0606060606060600000000030303030303034D030303030303034D0303030303
          03034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D00034D4D4D4D4D4D03034D4D4D4D4D4D
          03034D4D4D4D4D4D030000000000030303030303030303030303030303030303
          03030303036C6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C6C6C4C4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4C6C0003030303936C5B9003030303
          03936C5B900303030303936C5B9003004D710303030303714D00000000004D7D
          03030303030303030303030303030303037D4D4D7C0303030303030303030303
          0303030303037C4D4D968F97979797979797979797979797979797974D000303
          030303030303030303030303030303030303030303057B296565656565656565
          656565656565656565297B0506ADC6C7C7C7C7C7C7C7C7C7C7C7C7C7C7C7C7C7
          C6AD0600000000030303030303034D030303030303034D030303030303034D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D00037D7D7D7D7D7D03037D7D7D7D7D7D03037D7D
          7D7D7D7D0300000000000303030303030374737E0303037E7374030303030303
          034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D00030303AC6C4D759003030303AC6C4D75
          9003030303AC6C4D759003004D710303030303714D00000000004D8D8F030303
          0303030303030303030303038F8D4D4D7D8F0303030303030303030303030303
          038F7D4D4DAC9393939393939393939393939393939393CE4D00030303030303
          030303030303030303030303030303030305246DC3C3C3C3C3C3C3C3C3C3C3C3
          C3C3C3C3C36D240506C6C5C5C5C5C5C5C5C5C5C5C5C5C5C5C5C5C5C5C5C60600
          000000030303030303034D5C5C5C5C5C5C5C4D030303030303034D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D00034D4D4D4D4D4D03034D4D4D4D4D4D03034D4D4D4D4D4D
          03000000000003030303030303764C727E037E724C76030303030303034D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D0003038F4D4D4D75900303038F4D4D4D7590030303
          8F4D4D4D759003004D710303030303714D00000000004D778D7D7D7D7D7D7D7D
          7D7D7D7D7D7D7D7D8D774D4D777D7C7C7C7C7C7C7C7C7C7C7C7C7C7C7C7D774D
          4D757180808080808080808080808080808071754D0003030303030303030303
          0303030303030303030303030305577878787878789898989898989878787878
          7878570506C4C4C4C4C4C4C433333333333333C4C4C4C4C4C4C4060000000003
          0303030303034D4D4D4D4D4D4D4D4D030303030303034D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D00037D7D7D7D7D7D03037D7D7D7D7D7D03037D7D7D7D7D7D03000000
          0000030303030303037C4D6C727F726C4D7C030303030303034D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D00030303AC6C4D759003030303AC6C4D759003030303AC6C4D
          759003004D710303030303714D0000000000034D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D03034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D03034D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D03000303030303030303CBCBCBCBCBCB
          CB03030303030303030529818181818181CCCCCCCCCCCCCC8181818181812905
          06C4C4C4C4C4C4C4CDCDCDCDCDCDCDC4C4C4C4C4C4C406000000000303030303
          03034D4D4D4D4D4D4D4D4D030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          00034D4D4D4D4D4D03034D4D4D4D4D4D03034D4D4D4D4D4D0300000000000303
          03030303037F764D6C756C4D767F030303030303034D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D0003030303936C5B900303030303936C5B900303030303936C5B900300
          4D710303030303714D0000000000000404040404040404040404040404040404
          0404000005050505050505050505050505050505050505000006060606060606
          0606060606060606060606060000030303030303030345454545454545030303
          03030303030536848484848484454545454545458484848484843605066E6E6E
          6E6E6E6EBCBCBCBCBCBCBC6E6E6E6E6E6E6E0600000000030303030303030303
          03030303030303030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D00030303
          0303030303030303030303030303030303030303030000000000030303030303
          03037F764D4D4D767F03030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D00
          030303030390687F03030303030390687F03030303030390687F03004D747171
          717171744D000000000004B92803030303030303030303030303030328B90405
          832E1313131313131313131313131313132E8305060606030303030303030303
          0303030303030606060003030303030303034545454545454503030303030303
          030543C0C0C0C0C0C0C9C9C9C9C9C9C9C0C0C0C0C0C043050682828282828282
          CACACACACACACA82828282828282060000000003030303030303030303030303
          030303030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D0003030303030303
          0303030303030303030303030303030303000000000003030303030303037E8E
          4D4D4D8E7E03030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D0003030303
          030303030303030303030303030303030303030303030300034D4D4D4D4D4D4D
          030000000000042803030303030303030303030303030303032804052E130303
          03030303030303030303030303132E05062D1503030303030303030303030303
          0303030606000303030303030303030303030303030303030303030303053D86
          8686868686868686868686868686868686863D05068585858585858585858585
          8585858585858585858506000000000303030303030303030303030303030303
          0303030303036C6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C6C6C4C4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4C6C000303030303030303030303
          030303030303030303030303030000000000030303030303037E726C4D4D4D6C
          727E030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D000303030303030303
          030303030303030303030303030303030303030000C8C8C8C8C8C8C800000000
          0000040303030303030303030303030303030303030304051303030303030303
          0303030303030303030313050615150303030303030303030303030303030303
          0600030303030303030303030303030303030303030303030305398787878787
          8787878787878787878787878787390506C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1
          C1C1C1C1C1C10600000000030303030303030303030303030303030303030303
          03035C7D6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C7D5C5C7D4C4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4C7D5C00030707070707070303050505050505
          030305050505050503000000000003030303030303706C4D7693764D6C700303
          03030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D000303030303B0A80303030303
          030345B20303030303030345B2030300C80F03030303030FC800000000000403
          0303030303030303030303030303030303030405130303030303030303030303
          0303030303031305061515030303030303030303030303030303030306000303
          03030303030303030303030303030303030303030305222A2A2A2A2A2A2A2A2A
          2A2A2A2A2A2A2A2A2A2A22050648484848484848484848484848484848484848
          4848060000000003030303030303030303030303030303030303030303036B5C
          6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C5C6B6B5C6C4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D6C5C6B0003030303030303030303030303030303030303
          0303030303000000000003030303030303764D767F037F764D76030303030303
          034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D0003030303B0B45A0303030303034545B3
          0303030303034545B3030300C803030303030303C80000000000040303030303
          0303030303030303030303030303040513030303030303030303030303030303
          0303130506151503030303030303030303030303030303030600030303030303
          0303030303030303030303030303030303052230303030303030303030303030
          3030303030302205064141414141414141414141414141414141414141410600
          0000000303030303030303030303030303030303030303030303050505050505
          0505050505050505050505050505050505060606060606060606060606060606
          0606060606060606000307070707070703030505050505050303050505050505
          030000000000030303030303037D7C7F0303037F7C7D030303030303034D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D00030303B0B4B05A0303030303454F45B303030303
          03454F45B3030300C803030303030303C8000000000004030303030303030303
          0303030303030303030304051303030303030303030303030303030303031305
          0615150303030303030303030303030303030303060003030303030303030303
          03030303030303030303030303051D3939393939393939393939393939393939
          39391D0506535353535353535353535353535353535353535353060000000003
          03030303030303030303030303030303030303030303057B2965656565656565
          65656565656565656565297B0506ADC6C7C7C7C7C7C7C7C7C7C7C7C7C7C7C7C7
          C7C6AD0600030303030303030303030303030303030303030303030303000000
          000003030303030303030303030303030303030303030303034D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D000303B0B0B0B05A0303030345454545B30303030345454545
          B3030300C803030303030303C800000000000403030303030303030303030303
          0303030303030405130303030303030303030303030303030303130506151503
          0303030303030303030303030303030306000303030303030303030303030303
          030303030303030303051D434343434343434343434343434343434343431D05
          063E3E3E3E3E3E3E3E3E3E3E3E3E3E3E3E3E3E3E3E3E06000000000303030303
          03030303030303030303030303030303030305246DC3C3C3C3C3C3C3C3C3C3C3
          C3C3C3C3C3C36D240506C6C5C5C5C5C5C5C5C5C5C5C5C5C5C5C5C5C5C5C5C606
          0003070707070707030305050505050503030505050505050300000000000303
          0303030303030303030303030303030303030303034D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D00030303B0B4B05A0303030303454F45B30303030303454F45B3030300
          C803030303030303C80000000000040303030303030303030303030303030303
          0303040513030303030303030303030303030303030313050615150303030303
          0303030303030303030303030600030303030303030303030303030303030303
          0303030303054057575757575757575757575757575757575757400506373737
          3737373737373737373737373737373737370600000000030303030303030303
          0303030303030303030303030303055778787878786565656565656565657878
          787878570506C4C4C4C4C4C49B9B9B9B9B9B9B9B9BC4C4C4C4C4C40600030303
          0303030303030303030303030303030303030303030000000000030303030303
          03030303030303030303030303030303036C6C4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D6C6C6C4C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4C6C00
          03030303B0B45A0303030303034545B30303030303034545B3030300C8030303
          03030303C8000000000004030303030303030303030303030303030303030405
          1303030303030303030303030303030303031305061515030303030303030303
          0303030303030303060003030303030303030303030303030303030303030303
          0305406565656565656565656565656565656565656540050637616161616161
          6161616161616161616161616137060000000003030303030303454545454545
          4545450303030303030305298181818181454545454545454545818181818129
          0506C4C4C4C4C4C4BCBCBCBCBCBCBCBCBCC4C4C4C4C4C4060000000000000000
          0000000000000000000000000000000000000000000003030303030303030303
          030303030303030303030303035C7D6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D6C7D5C5C7D4C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4C7D5C0003030303
          03B0A80303030303030345B20303030303030345B2030300C80F03030303030F
          C800000000000403030303030303030303030303030303030303040513030303
          0303030303030303030303030303130506151503030303030303030303030303
          0303030306000303030303030303030303030303030303030303030303051D22
          2E2E2E2E2E2E2E2E2E2E2E2E2E2E2E2E2E221D050649B1272727272727272727
          2727272727272727B14906000000000303030303030345030303030303034503
          0303030303030536848484848445848484848484844584848484843605066E6E
          6E6E6E6EBC6E6E6E6E6E6E6EBC6E6E6E6E6E6E06000303030303030303030303
          0303030303030303030303030303030300000303030303030303030303030303
          0303030303030303036B5C6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C5C6B
          6B5C6C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D6C5C6B000303030303030303
          030303030303030303030303030303030303030000C8C8C8C8C8C8C800000000
          0000040303030303030303030303030303030303030304051303030303030303
          0303030303030303030313050615150303030303030303030303030303030303
          0600030303030303030303030303030303030303030303030305834064646464
          6464646464646464646464646440830506ADAEAFAFAFAFAFAFAFAFAFAFAFAFAF
          AFAFAFAFAEAD0600000000030303030303034503030303030303450303030303
          03030543C0C0C0C0C045C0C0C0C0C0C0C045C0C0C0C0C0430506828282828282
          BC82828282828282BC8282828282820600030303030303030303030303030303
          0303030303030303030303030000030303030303030303030303030303030303
          0303030303050505050505050505050505050505050505050505050506060606
          0606060606060606060606060606060606060600000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000403
          0303030303030303030303030303030303030405130303030303030303030303
          0303030303031305061515030303030303030303030303030303030306000303
          0303030303030303030303030303030303030303030505050505050505050505
          0505050505050505050505050606060606060606060606060606060606060606
          060606000000000303030303030345030303030303034503030303030303053D
          868686868645868686868686864586868686863D0506858585858585BC858585
          85858585BC8585858585850600030303038F03030303030303038F0303030303
          0303038F03030303000003030303030303030303030303030303030303030303
          03057B296565656565656565656565656565656565297B0506ADC6C7C7C7C7C7
          C7C7C7C7C7C7C7C7C7C7C7C7C6AD060000000000000000000000000000030303
          0303030303030303030303030303030303030303030303030000040303030303
          0303030303030303030303030303040513030303030303030303030303030303
          0303130506151503030303030303030303030303030303030600000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000303030303030345030303030303034503030303030303053987878787
          874587878787878787458787878787390506C1C1C1C1C1C1BCC1C1C1C1C1C1C1
          BCC1C1C1C1C1C10600030303AC4DAC030303030303AC4DAC030303030303AC4D
          AC0303030000030303030303030303030303030303030303030303030305246D
          C3C3C3C3C3C3C3C3C3C3C3C3C3C3C3C3C36D240506C6C5C5C5C5C5C5C5C5C5C5
          C5C5C5C5C5C5C5C5C5C6060000000000000000000000000000037F9090909090
          7F03037F90909090907F03037F90909090907F03000004030303030303030303
          0303030303030303030304051303030303030303030303030303030303031305
          0615150303030303030303030303030303030303060003034D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D03030003
          0303030303034503030303030303450303030303030305222A2A2A2A2A452A2A
          2A2A2A2A2A452A2A2A2A2A220506484848484848BC48484848484848BC484848
          48484806000303936C4D6C9303030303936C4D6C9303030303936C4D6C930303
          0000030303030303030303030303030303030303030303030305577878787878
          4343C3787878C343437878787878570506C4C4C4C4C4C41F1FC5C4C4C4C51F1F
          C4C4C4C4C4C406000000000000000000000000000003685B7575755B68030368
          5B7575755B680303685B7575755B680300000403030303030303030303030303
          0303030303030405130303030303030303030303030303030303130506151503
          030303030303030303030303030303030600036C5B777D7D7D7D7D7D7D7D7D7D
          7D7D7D7D7D7D775B6C03036C757C7C7C7C7C7C7C7C7C7C7C7C7C7C7C7C7C7C75
          6C03036CAC6B030303030303030303030303030303036BAC6C03000303030303
          03034503030303030303450303030303030305223030303030451D1D1D1D1D1D
          1D453030303030220506414141414141BC35353535353535BC41414141414106
          0003906C4D4D4D6C900303906C4D4D4D6C900303906C4D4D4D6C900300000303
          0303030303BEBE2003030320BEBE0303030303030305298181818181B5B68CC3
          81C38CB6B58181818181290506C4C4C4C4C4C4B7B81EC4C4C41EB8B7C4C4C4C4
          C4C406000000000000000000000000000003906C4D4D4D6C900303906C4D4D4D
          6C900303906C4D4D4D6C90030000040303030303030303030303030303030303
          0303040513030303030303030303030303030303030313050615150303030303
          03030303030303030303030306004D5B707E0303030303030303030303030303
          03037E705B4D4D75727E030303030303030303030303030303037E72754D4D74
          7E03030303030303030303030303030303030303AC4D00030303030303034545
          4545454545454503030303030303051D39393939394545454545454545453939
          3939391D0506535353535353BCBCBCBCBCBCBCBCBC535353535353060003685B
          7575755B680303685B7575755B680303685B7575755B68030000030303030303
          034F454720032047454F0303030303030305368484848484B645BB8CC38CBB45
          B684848484843605066E6E6E6E6E6EB8BCBF1E601EBFBCB86E6E6E6E6E6E0600
          000000000000000000000000000303936C4D6C9303030303936C4D6C93030303
          03936C4D6C930303000004030303030303030303030303030303030303030405
          1303030303030303030303030303030303031305061515030303030303030303
          030303030303030306004D777E0303030303030303030303030303030303037E
          774D4D7C7E0303030303030303030303030303030303037E7C4D4D937E030303
          030303030303030303030303030303036B4D0003030303030303454545454545
          45454503030303030303051D434343434345454545454545454543434343431D
          05063E3E3E3E3E3EBCBCBCBCBCBCBCBCBC3E3E3E3E3E3E0600037F9090909090
          7F03037F90909090907F03037F90909090907F03000003030303030303454F45
          474E47454F45030303030303030543C0C0C0C0C0C2BA45BB51BB45BAC2C0C0C0
          C0C043050682828282828288BDBCBF8ABFBCBD88828282828282060000000000
          000000000000000000030303AC4DAC030303030303AC4DAC030303030303AC4D
          AC03030300000403030303030303030303030303030303030303040513030303
          0303030303030303030303030303130506151503030303030303030303030303
          0303030306004D7D03030303030303030303030303030303030303037D4D4D7C
          03030303030303030303030303030303030303037C4D4D907E03030303030303
          030303030303030303030303034D000303030303030303030303030303030303
          0303030303030540575757575757575757575757575757575757574005063737
          3737373737373737373737373737373737373706000303030303030303030303
          0303030303030303030303030303030300000303030303030303454F4545454F
          450303030303030303053D868686868686C2BB454545BBC28686868686863D05
          068585858585858588BDBCBCBCBD888585858585858506000000000000000000
          0000000000030303038F03030303030303038F03030303030303038F03030303
          0000040303030303030303030303030303030303030304051303030303030303
          0303030303030303030313050615150303030303030303030303030303030303
          06004D7D03030303030303030303030303030303030303037D4D4D7C03030303
          030303030303030303030303030303037C4D4D907E0303030303030303030303
          0303030303030303034D00030303030303030303030303030303030303030303
          0303054065656565656565656565656565656565656565400506376161616161
          6161616161616161616161616161370600030303030303030303030303030303
          03030303030303030303030300000303030303030303034E4545454E03030303
          03030303030539878787878787C05445454554C0878787878787390506C1C1C1
          C1C1C1C1858ABCBCBC8A85C1C1C1C1C1C1C10600000000000000000000000000
          0003030303030303030303030303030303030303030303030303030300000403
          0303030303030303030303030303030303030405130303030303030303030303
          0303030303031305061515151515151515151515151515151515151506004D7D
          03030303030303030303030303030303030303037D4D4D7C0303030303030303
          0303030303030303030303037C4D4D907E030303030303030303030303030303
          03030303034D000303030303030303030303030303030303030303030303051D
          222E2E2E2E2E2E2E2E2E2E2E2E2E2E2E2E2E221D050649B12727272727272727
          272727272727272727B149060003030303030303030303030303030303030303
          0303030303030303000003030303030303032047454545472003030303030303
          0305222A2A2A2A2A307FBE454545BE7F302A2A2A2A2A22050648484848484841
          7BBFBCBCBCBF7B41484848484848060000000000000000000000000000030303
          0303030303030303030303030303030303030303030303030000042803030303
          030303030303030303030303032804052E130303030303030303030303030303
          03132E05062D15151515151515151515151515151515152D06004D7D03030303
          030303030303030303030303030303037D4D4D7C030303030303030303030303
          03030303030303037C4D4D907E03030303030303030303030303030303030303
          034D000303030303030303030303030303030303030303030303058340646464
          646464646464646464646464646440830506ADAEAFAFAFAFAFAFAFAFAFAFAFAF
          AFAFAFAFAFAEAD060003030303B0030303030303030345030303030303030345
          030303030000030303030303032047454F454F45472003030303030303052230
          303030307FBE45BB54BB45BE7F30303030302205064141414141417BBFBCBD8A
          BDBCBF7B41414141414106000000000000000000000000000003030303030303
          0303030303030303030303030303030303030303000004B92803030303030303
          030303030303030328B90405832E1313131313131313131313131313132E8305
          06252D1515151515151515151515151515152D2506004D7D0303030303030303
          0303030303030303030303037D4D4D7C03030303030303030303030303030303
          030303037C4D4D907E03030303030303030303030303030303030303034D0003
          0303030303030303030303030303030303030303030305050505050505050505
          0505050505050505050505050506060606060606060606060606060606060606
          0606060600030303B0B0B0030303030303454545030303030303454545030303
          000003030303030303BA454F4503454F45BA03030303030303051D3939393939
          B645BB8C398CBB45B639393939391D0506535353535353B8BCBD495349BDBCB8
          5353535353530600000000000000000000000000000303030303030303030303
          0303030303030303030303030303030300000004040404040404040404040404
          0404040404040000050505050505050505050505050505050505050000060606
          0606060606060606060606060606060600004D7D030303030303030303030303
          03030303030303037D4D4D7C0303030303030303030303030303030303030303
          7C4D4D907E03030303030303030303030303030303030303034D000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          000303B0B4B0B4B003030303454F454F4503030303454F454F45030300000303
          030303030345454503030345454503030303030303051D4343434343B5B68C43
          43438CB6B543434343431D05063E3E3E3E3E3EB7B8493E3E3E49B8B73E3E3E3E
          3E3E06000000000000000000000000000003A85A5A5A5A5AA80303B2B3B3B3B3
          B3B20303B2B3B3B3B3B3B2030000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          00000000000000000000000000004D7D03030303030303030303030303030303
          030303037D4D4D7C03030303030303030303030303030303030303037C4D4D90
          7E03030303030303030303030303030303030303034D00000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          000000000000000000000000000000000000000000000000000000000003B0B4
          B0B0B0B4B0030345454545454545030345454545454545030000030303030303
          0303030303030303030303030303030303054057575757575757575757575757
          5757575757574005063737373737373737373737373737373737373737370600
          0000000000000000000000000003B0B4B0B0B0B4B00303454545454545450303
          4545454545454503000000000000000000000000000000000000000000000000
          00000000000000000000000000000000000000000000000000000000034D4D4D
          4D4D4D4D0300000000004D7D0303030303030303030303030303030303030303
          7D4D4D7C03030303030303030303030303030303030303037C4D4D907E030303
          03030303030303030303030303030303034D00034D4D4D4D4D4D4D0300000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000003A85A5A5A5A5A
          A80303B2B3B3B3B3B3B20303B2B3B3B3B3B3B203000003030303030303030303
          0303030303030303030303030305406565656565656565656565656565656565
          6565400506376161616161616161616161616161616161616137060000000000
          0000000000000000000303B0B4B0B4B003030303454F454F4503030303454F45
          4F45030300004D708D8D8D8D8D8D8D8D8D8D8D8D8D8D8D8D8D704D4D8E8D8D8D
          8D8D8D8D8D8D8D8D8D8D8D8D8D8D8E4D00000000000000004D757F7F7F7F7F8B
          4D00000000004D7D03030303030303030303030303030303030303037D4D4D7C
          03030303030303030303030303030303030303037C4D4D907E03030303030303
          030303030303030303030303034D004D775C5C5C5C5C5B4D0000940404040404
          0404040404049400000095050505050505050505050595000000690606060606
          0606060606066900000000000000000000000000000303030303030303030303
          0303030303030303030303030303030300000303030303030303030303030303
          030303030303030303051D222E2E2E2E2E2E2E2E2E2E2E2E2E2E2E2E2E221D05
          0649B12727272727272727272727272727272727B14906000000000000000000
          0000000000030303B0B0B0030303030303454545030303030303454545030303
          00004D700303030303030303030303030303030303704D4D8E03030303030303
          030303030303030303038E4D00000000000000004D5C03030303037F4D000000
          00004D7D03030303030303030303030303030303030303037D4D4D7C03030303
          030303030303030303030303030303037C4D4D907E0303030303030303030303
          0303030303030303034D004D9603030303035C4D000004281010101010101010
          1028040000000540646464646464646464400500000006394343434343434343
          4339060000000000000000000000000000030303030303030303030303030303
          0303030303030303030303030000030303030303030303030303030303030303
          0303030303058340646464646464646464646464646464646440830506ADAEAF
          AFAFAFAFAFAFAFAFAFAFAFAFAFAFAFAFAEAD0600000000000000000000000000
          0003030303B00303030303030303450303030303030303450303030300004D70
          0303030303030303030303030303030303704D4D8E0303030303030303030303
          0303030303038E4D00000000000000004D5C03030303037F4D00000000004D7D
          03030303030303030303030303030303030303037D4D4D7C0303030303030303
          0303030303030303030303037C4D4D907E030303030303030303030303030303
          03030303034D004D9603030303035C4D000004102828280D2828282828100400
          000005401D1D1D8F1D1D1D1D1D4005000000063D5E5E5EA25E5E5E5E5E3D0600
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000003030303030303030303030303030303030303030303
          0305050505050505050505050505050505050505050505050606060606060606
          0606060606060606060606060606060000000000000000000000000000030303
          03030303030303030303030303030303030303030303030300004D7003030303
          03030303030303030303030303704D4D8E030303030303030303030303030303
          03038E4D00000000000000004D5C03030303037F4D00000000004D7D03030303
          030303030303030303030303030303037D4D4D7C030303030303030303030303
          03030303030303037C4D4D907E03030303030303030303030303030303030303
          034D004D9603030303035C4D000004281717569E92171717172804000000051D
          13130B9E92131313131D0500000006396767AC9EA86767676739060000000809
          0909090909090909090909090909090909090909090909090909090909090909
          0909090908000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000003030303030303
          030303030303030303030303030303030303030300004D700303030303030303
          030303030303030303704D4D8E03030303030303030303030303030303038E4D
          00000000000000004D5C03030303037F4D00000000004D7D0303030303030303
          0303030303030303030303037D4D4D7C03030303030303030303030303030303
          030303037C4D4D907E03030303030303030303030303030303030303034D004D
          9603030303035C4D000004281A389E9E9E4B1A1A1A2804000000051D2E189E9E
          9E5A2E2E2E1D0500000006986AA99E9E9EAB6A6A6A9806000000090303030303
          0303030303030303030303030303030303030303030303030303030303030303
          0900030303030303030303030303030303038B4C4D4D4D4D4D4D4D4D4D4D4D4D
          4C8B8B4C4D4D4D4D4D4D4D4D4D4D4D4D4C8B00030303037F777F030303030303
          03037F777F03030303030303037F777F03030303000000000000000000000000
          0000000000000000000000000000000000004D70030303030303030303030303
          0303030303704D4D8E03030303030303030303030303030303038E4D00000000
          000000004D5C03030303037F4D00000000004D7D030303030303030303030303
          03030303030303037D4D4D7C0303030303030303030303030303030303030303
          7C4D4D907E03030303030303030303030303030303030303034D004D96030303
          03035C4D00000417799E9E929E9E261A1A170400000005224E9E9E019E9E9365
          6522050000000698629E9EA89E9EAA5858980600000009030303030303030303
          0303030303030303030303030303030303030303030303030303030309000303
          03030303030303030303030303034C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4C4C4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4C000303037FA34DA37F0303030303037FA34D
          A37F0303030303037FA34DA37F030303004D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D00004D7003030303030303030303030303030303
          03704D4D8E03030303030303030303030303030303038E4D0000000000000000
          4D5B5C5C5C5C5C754D00000000004D7D03030303030303030303030303030303
          030303037D4D4D7C03030303030303030303030303030303030303037C4D4D90
          7E03030303030303030303030303030303030303034D004D809696969696774D
          00000417A49E563F079EA10F3F17040000000513A49E0B575D9EA1A057130500
          00000650A79EA94A809EA1234A50060000000903030303030303030303030303
          03030303030303030303030303030303030303030303030309004D0303030303
          030303030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D0003037FA34D4D4DA37F030303037FA34D4D4DA37F03
          0303037FA34D4D4DA37F03030003030303030303754D4D4D4D4D4D4D4D4D4D03
          030303030303754D00004D700303030303030303030303030303030303704D4D
          8E03030303030303030303030303030303038E4D0000000000000000034D4D4D
          4D4D4D4D0300000000004D7D0303030303030303030303030303030303030303
          7D4D4D7C03030303030303030303030303030303030303037C4D4D907E030303
          03030303030303030303030303030303034D00034D4D4D4D4D4D4D030000041A
          0F793F3F3F929E9F631A04000000052EA0964343430E9E9F1C2E050000000650
          2362444444A89EA1A55006000000090303030303030303030303030303030303
          030303030303030303030303030303030303030309004D030303030303030303
          0303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D00037FA34D4D4D4D4DA37F03037FA34D4D4D4D4DA37F03037FA3
          4D4D4D4D4DA37F030003030303030303754D4D4D4D4D4D4D4D4D4D0303030303
          0303754D00004D700303030303030303030303030303030303704D4D8E030303
          03030303030303030303030303038E4D00000000000000000007070707070707
          0000000000004D7D03030303030303030303030303030303030303037D4D4D7C
          03030303030303030303030303030303030303037C4D4D907E03030303030303
          030303030303030303030303034D000007070707070707000000041A1B1B1B1B
          1B63A49EA41A0400000005653D3D3D3D3D1CA49EA46505000000069A3B3B3B3B
          3BA5A69EA79A0600000009030303030303030303030303030303030303030303
          0303030303030303030303030303030309004D03030303030303030303030303
          03034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D007FA34D4D4D4D4D4D4DA37F7FA34D4D4D4D4D4D4DA37F7FA34D4D4D4D4D
          4D4DA37F0003030303030303754D03030303030303754D03030303030303754D
          00004D700303030303030303030303030303030303704D4D8E03030303030303
          030303030303030303038E4D0000000000000000071B04040404049C07000000
          00004D7D03030303030303030303030303030303030303037D4D4D7C03030303
          030303030303030303030303030303037C4D4D907E0303030303030303030303
          0303030303030303034D00070C03030303031A070000041A5555555555550F9D
          9E0F0400000005323434343434348C9F9EA005000000069A35353535353523A1
          9EA2060000000903030303030303030303030303030303030303030303030303
          03030303030303030303030309004D0303030303030303030303030303034D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D00A3
          4D4D4D4D4D4D4D4D4DA3A34D4D4D4D4D4D4D4D4DA3A34D4D4D4D4D4D4D4D4DA3
          0003030303030303754D03030303030303754D03030303030303754D00004D70
          0303030303030303030303030303030303704D4D8E0303030303030303030303
          0303030303038E4D000303030303030007030303030303040700000000004D7D
          03030303030303030303030303030303030303037D4D4D7C0303030303030303
          0303030303030303030303037C4D4D907E030303030303030303030303030303
          03030303034D000704030303030303070000043F636363636363630A793F0400
          000005579898989898989899965705000000069A9B9B9B9B9B9B9B23629A0600
          0000090303030303030303030303030303030303030303030303030303030303
          030303030303030309004D0303030303039393030303030303034D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D004D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D00030303
          03030303754D03030303030303754D03030303030303754D00004D7003030303
          03030303030303030303030303704D4D8E030303030303030303030303030303
          03038E4D000303030303030007030303030303040700000000004D777E030303
          0303030303030303030303030303037E774D4D7C7E0303030303030303030303
          030303030303037E7C4D4D968F97979797979797979797979797979797979797
          7F4D00070403030303030307000004193F3F3F3F3F3F3F3F3F19040000000524
          3636363636363636362405000000062B2B2B2B2B2B2B2B2B2B2B060000000903
          0303030303030303030303030303030303030303030303030303030303030303
          0303030309004D0303030303907777900303030303034D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D004D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D0003030303030303
          754D03030303030303754D03030303030303754D00004D700303030303030303
          030303030303030303704D4D8E03030303030303030303030303030303038E4D
          000303767603030007030303030303040700000000004D5B707E030303030303
          030303030303030303037E705B4D4D75727E0303030303030303030303030303
          03037E72754D4D709393939393939393939393939393939393939393744D0007
          0403030303030307000094040404040404040404040494000000950505050505
          0505050505059500000069060606060606060606060669000000090303030303
          0303030303030303030303030303030303030303030303030303030303030303
          09004D030303037F754D4D757F03030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D004D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D0003030303030303754D0303
          0303030303754D90909090909090774D00004D70030303030303030303030303
          0303030303704D4D8E03030303030303030303030303030303038E4D00034D4D
          760303000703030303030304070000000000036C5B777D7D7D7D7D7D7D7D7D7D
          7D7D7D7D7D7D775B6C03036C757C7C7C7C7C7C7C7C7C7C7C7C7C7C7C7C7C7C75
          6C03036C70808080808080808080808080808080808080706C03000704030303
          0303030700000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000009030303030303030303
          0303030303030303030303030303030303030303030303030303030309004D03
          03037E8E4D4D4D4D8E7E030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D004D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D0003030303030303754D030303030303
          03754D90909090909090774D00004D7003030303030303030303030303030303
          03704D4D8E03030303030303030303030303030303038E4D00034D4D03030300
          070303030303030407000000000003034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D03030303
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D030300070403030303030307
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000903030303030303030303030303
          03030303030303030303030303030303030303030303030309004D0303037F4C
          4D4D4D4D4C7F030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D004D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D0007070707070707070707070707070707070707
          070707070707070700004D706B0303030303030303030303030303036B704D4D
          8E6B0303030303030303030303030303036B8E4D0003037676030300071A0303
          0303031B07000000000000000404040404040404040404040404040404040404
          0000000005050505050505050505050505050505050505050000000006060606
          06060606060606060606060606060606000000079204040404040C0700000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000090303030303030303030303030303030303
          030303030303030303030303030303030303030309004D030303030303030303
          0303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D004D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D000303030303030303079191919191919191910303030303
          0303030700004D708F0303030303030303030303030303038F704D4D5C900303
          03030303030303030303030303905C4D00034D4D760303000007070707070707
          000000000000000E0F1003030303030303030303030303030303100F0E000011
          1213131313131313131313131313131313131312110000060606030303030303
          0303030303030303030306060600000007070707070707000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000009030303030303030303030303030303030303030303
          0303030303030303030303030303030309004D03030303030303030303030303
          03034D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D004D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D00030303030303030307919191919191919191030303030303030307
          0000038D716B030303030303030303030303036B718D03038D706B0303030303
          03030303030303036B708D0300034D4D03030300000000000000000000000000
          0000040F03030303030303030303030303030303030303030F04051213130303
          0303030303030303030303030303131312050625150303030303030303030303
          0303030303030303060600000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000903030303030303030303030303030303030303030303030303
          03030303030303030303030309004D0303030303030303030303030303034D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D004D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          000303030303030303070303030303030303070303030303030303070000034D
          5C718F6B0303030303030303036B8F715C4D03034D8E70906B03030303030303
          03036B90708E4D03000303767603030003030303767603767603767600000410
          0303030303030303030303030303030303030303100405131303030303030303
          0303030303030303030303131305062D15030303030303030303030303030303
          03030303060600034D4D4D4D4D4D4D4D4D4D03034D4D4D4D4D4D4D4D4D4D0300
          036B805B75757575755B806B0000000000000000000000000000000000000000
          0000090303030303030303030303030303030303030303030303030303030303
          030303030303030309004D0303030303030303030303030303034D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D004D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D00030303
          030303030307030303030303030307030303030303030307000003034D8D7070
          70707070707070707070708D4D030303034D8D5C8E8E8E8E8E8E8E8E8E8E8E5C
          8D4D030300034D4D760303000303034D4D764D4D764D4D760000040303030303
          0303030303030303030303030303030303040513030303030303030303030303
          0303030303030303130506151503030303030303030303030303030303030303
          0306004D5C71717171717171715C4D4D5C74747474747474745C4D006B776C4D
          4D4D4D4D6C5C7480000000000000000000000000000000000000000000000903
          0303030303030303030303030303030303030303030303030303030303030303
          0303030309004D0303030303030303030303030303034D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D004D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D0003030303030303
          03070303030303030303070303030303030303070000030303034D4D4D4D4D4D
          4D4D4D4D4D4D4D03030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D03030303
          00034D4D030303000303034D4D034D4D034D4D03000004030303030303030303
          0303030303030303030303030304051303030303030303030303030303030303
          030303031305061515030303030303030303030303030303030303030306004D
          717D7C7C7C7C7C7C7D714D4D747D7C7C7C7C7C7C7D744D005C767F0303030303
          7E5B5C5B00000000000000000000000000000000000000000000090303030303
          0303030303030303030303030303030303030303030303030303030303030303
          09004D0303030303030303030303030303034D4D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D004D4D4D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D000303030303030303070303
          0303030303030703030303030303030700000103181818181818181818181818
          1818181818030102030707070707070707070707070707070707030200030376
          7603030003030303030303767603767600000403030303030303030303030303
          0303030303030303030405130303030303030303030303030303030303030303
          1305061515030303030303030303030303030303030303030306004D717C0303
          030303037C714D4D747C0303030303037C744D006C75030303030303037E6C75
          0000000000000000000000000000000000000000000009030303030303030303
          0303030303030303030303030303030303030303030303030303030309000303
          03030303030303030303030303034C4D4D4D4D4D4D4D4D4D4D4D4D4D4D4C4C4D
          4D4D4D4D4D4D4D4D4D4D4D4D4D4C00774D4D4D4D4D4D4D4D4D77774D4D4D4D4D
          4D4D4D4D77774D4D4D4D4D4D4D4D4D7700030303030303030307030303030303
          030307151515151515158C660000010303030303030303030303030303030303
          03030102030303030303030303030303030303030303030200034D4D76030300
          0303030303034D4D764D4D760000040303030303030303030303030303030303
          0303030303040513030303030303030303030303030303030303030313050615
          15030303030303030303030303030303030303030306004D717C030303030303
          7C714D4D747C0303030303037C744D004D7503030303030303034D7500000000
          0000000000000000000000000000000000000903030303030303030303030303
          0303030303030303030303030303030303030303030303030900030303030303
          030303030303030303038B4C4D4D4D4D4D4D4D4D4D4D4D4D4C8B8B4C4D4D4D4D
          4D4D4D4D4D4D4D4D4C8B007F774D4D4D4D4D4D4D777F7F774D4D4D4D4D4D4D77
          7F7F774D4D4D4D4D4D4D777F0003030303030303030703030303030303030715
          1515151515158C66000001030303030303030303030303030303030303030102
          030303030303030303030303030303030303030200034D4D0303030003030303
          03034D4D034D4D03000004030303030303030303030303030303030303030303
          0304051303030303030303030303030303030303030303031305061515030303
          030303030303030303030303030303030306004D717C0303030303037C714D4D
          747C0303030303037C744D004D7503030303030303034D750000000000000000
          0000000000000000000000000000090303030303030303030303030303030303
          0303030303030303030303030303030303030303090003030303030303030303
          0303030303030505050505050505050505050505050506060606060606060606
          0606060606060003030303040404030303030303030305050503030303030303
          0306060603030303000000000000000000000000000000000000000000000000
          0000000000000103030303030303030303030303030303030303010203030303
          0303030303030303030303030303030200030303030303000303030303030303
          0303767600000403030303030303030303030303030303030303030303040513
          0303030303030303030303030303030303030303130506151503030303030303
          0303030303030303030303030306004D717C0303030303037C714D4D747C0303
          030303037C744D004D7503030303030303034D75004D4D4D4D4D4D4D4D4D4D4D
          4D4D4D4D4D4D4D00000009030303030303030303030303030303030303030303
          0303030303030303030303030303030309000303030303030303030303030303
          0303052787878787878787878787878727050688898989898989898989898989
          8806000303030404070404030303030303050583050503030303030306068A06
          06030303004D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          0000010303030303030303030303030303030303030301020303030303030303
          03030303030303030303030200030303030303000303030303030303034D4D76
          0000040303030303030303030303030303030303030303030304051303030303
          0303030303030303030303030303030313050615150303030303030303030303
          03030303030303030306004D717C0303030303037C714D4D747C030303030303
          7C744D004D7503030303030303034D75004D030303030303034D4D0303030303
          03034D0000000903030303030303030303030303030303030303030303030303
          03030303030303030303030309000A0303030303030303030303030303030586
          8686868686868686868686868605068585858585858585858585858585060003
          030404080F080404030303030505464046050503030303060683508306060303
          004D030303030303034D4D030303030303034D4D030303030303034D00000103
          0303030303030303030303030303030303030102030303030303030303030303
          030303030303030200030303030303000303030303030303034D4D0300000403
          0303030303030303030303030303030303030303030405130303030303030303
          0303030303030303030303031305061515030303030303030303030303030303
          030303030306004D717703030303030377714D4D737D0303030303037D734D00
          4D5B7E030303030303034D5B004D030303030303034D4D030303030303034D00
          0000090303030303030303030303030303030303030303030303030303030303
          030303030303030309000A030303030303030303030303030303058484848484
          848484848484848484050685858585858585858585858585850600030404796F
          6F6F790404030305057A1D1D1D7A050503030606835E5E5E83060603004D0303
          03030303034D4D030303030303034D4D030303030303034D0000010303030303
          0303030303030303030303030303010203030303030303030303030303030303
          0303030200030303030303000303030303030303030303030000040303030303
          0303030303030303030303030303030303040513030303030303030303030303
          0303030303030303130506151503030303030303030303030303030303030303
          0306004D7074777C7C7C7C7774704D4D72737D7C7C7C7C7D73724D006C71747E
          03030303037F6C80004D030303030303034D4D030303030303034D0000000903
          0303030303030303030303030303030303030303030303030303030303030303
          0303030309000A03030303030303030303030303030305818181818181818181
          81818181810506828282828282828282828282828206000404796F6F6F6F6F79
          040405057A22222222227A05050606835E5E5E5E5E830606004D030303030303
          034D4D030303030303034D4D030303030303034D000001030303030303030303
          0303030303030303030301020303030303030303030303030303030303030302
          0003030303030300030303030303030303030303000004030303030303030303
          0303030303030303030303030304051303030303030303030303030303030303
          0303030313050615150303030303030303030303030303030303030303060003
          6C70717171717171706C03036C72737474747473726C03005C5B715B75757575
          7576776B004D030303030303034D4D030303030303034D000000090303030303
          0303030303030303030303030303030303030303030303030303030303030303
          09000A0303030303030303030303030303030578787878787878787878787878
          7805066E6E6E6E6E6E6E6E6E6E6E6E6E6E060004206F6F6F6F6F6F6F79040512
          131313131313137A050646676767676767677B06004D030303030303034D4D03
          0303030303034D4D030303030303034D00000103030303030303030303030303
          0303030303030102030303030303030303030303030303030303030200030707
          0303030003030303030303030303030300000403030303030303030303030303
          0303030303030303030405130303030303030303030303030303030303030303
          13050615150303030303030303030303030303030303030303060003034D4D4D
          4D4D4D4D4D030303034D4D4D4D4D4D4D4D0303006B5C6C4D4D4D4D4D6C5C6B03
          004D030303030303034D4D030303030303034D00000009030303030303030303
          0303030303030303030303030303030303030303030303030303030309000A03
          0303030303030303030303030303056D6D6D6D6D6D2A2A6D6D6D6D6D6D05066E
          6E6E6E6E6E1F1F6E6E6E6E6E6E0600041A6F6F6F6F6F6F6F6F0405642E2E2E2E
          2E2E2E2E05062E6A6A6A6A6A6A6A6A06004D030303030303034D4D0303030303
          03034D4D030303030303034D0000010303030303030303030303030303030303
          0303010203030303030303030303030303030303030303020003070703030300
          0303030303030303030303030000040303030303030303030303030303030303
          0303030303040513030303030303030303030303030303030303030313050615
          1503030303030303030303030303030303030303030600000101010101010101
          01010000020202020202020202020000030303030303030303030303004D0303
          03030303034D4D030303030303034D0000000903030303030303030303030303
          03030303030303030303030303030303030303030303030309000A0303030303
          036666030303030303030567676767672A68682A676767676705066060606060
          2769692760606060600600041A63636363636363630405642E2E2E2E2E2E2E2E
          05062E6A6A6A6A6A6A6A6A06004D030303030303034D4D030303030303034D4D
          030303030303034D000001030303030303030303030303030303030303030102
          0303030303030303030303030303030303030302000303030303030003030307
          0703070703070703000004030303030303030303030303030303030303030303
          0304051303030303030303030303030303030303030303031305061515030303
          0303030303030303030303030303030303060001080303030303030303080102
          5A03030303030303035A02000708070707070707074B1A03004C5B5C5C5C5C5C
          5B4C4C5B5C5C5C5C5C5B4C000000090303030303030303030303030303030303
          030303030303030303030303030303030303030309000A03030303035D45455D
          030303030303055E5E5E5E2A5F45455F2A5E5E5E5E0506606060606162454562
          61606060600600041A6363636363636363040564656565656565656505062E58
          5858585858585806004D030303030303034D4D030303030303034D4D03030303
          0303034D00000103030303030303030303030303030303030303010203030303
          0303030303030303030303030303030200030707030303000303030707030707
          0307070300000403030303030303030303030303030303030303030303040513
          0303030303030303030303030303030303030303130506151503030303030303
          0303030303030303030303030306000103181818181818181803010203070707
          0707070707030200070826030303030307074B0300034C4D4D4D4D4D4C03034C
          4D4D4D4D4D4C0300000009030303030303030303030303030303030303030303
          0303030303030303030303030303030309000A030303034E4F45454F4E030303
          0303055050502A5147454547512A505050050652525253544F45454F54535252
          520600041A5556565656565555040540573A3A3A3A3A57570506325859595959
          59585806004D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D4D
          0000010303030303030303030303030303030303030301020303030303030303
          0303030303030303030303020003070703030300030303030303030303030303
          0000040303030303030303030303030303030303030303030304051303030303
          0303030303030303030303030303030313050615150303030303030303030303
          0303030303030303030600010318030303030303180301020307030303030303
          07030200071A0303030303030307070300010101010101010101020202020202
          0202020000000903030303030303030303030303030303030303030303030303
          03030303030303030303030309000A030303454545454545454503030303052A
          2A2A46474545454547462A2A2A05064848484947454545454749484848060004
          171B1B1B1B1B1B1B1B04054036363636363636360506324A4A4A4A4A4A4A4A06
          000A0A0A0A0A0A0A0A0A07070707070707070707070707070707070700000103
          0303030303030303030303030303030303030102030303030303030303030303
          0303030303030302000303030303030003030303030307070307070300000403
          0303030303030303030303030303030303030303030405130303030303030303
          0303030303030303030303031305061515030303030303030303030303030303
          0303030303060001031803030303030318030102030703030303030307030200
          0703030303030303030307030001030303030303030102030303030303030200
          0000090303030303030303030303030303030303030303030303030303030303
          030303030303030309000A030303030303030303030303030303053434343434
          34343434343434343405064141414141414141414141414141060004173F4242
          4242423F3F040540433A3A3A3A3A4343050632443C3C3C3C3C444406000A0303
          03030303030A0703030303030303070703030303030303070000010303030303
          0303030303030303030303030303010203030303030303030303030303030303
          0303030200030707030303000303030303030707030707030000040303030303
          0303030303030303030303030303030303040513030303030303030303030303
          0303030303030303130506151503030303030303030303030303030303030303
          0306000103180303030303031803010203070303030303030703020007030303
          0303030303030703000103030303030303010203030303030303020000000903
          0303030303030303030303030303030303030303030303030303030303030303
          0303030309000A030303030303030303030303030303053D3D3D3D3D3D3D3D3D
          3D3D3D3D3D05063E3E3E3E3E3E3E3E3E3E3E3E3E3E060004173F3F3F3F3F3F3F
          3F0405403D3D3D3D3D3D3D3D0506293B3B3B3B3B3B3B3B06000A030303030303
          030A070303030303030307070303030303030307000001030303030303030303
          0303030303030303030301020303030303030303030303030303030303030302
          0003070703030300030303030303030303030303000004030303030303030303
          0303030303030303030303030304051303030303030303030303030303030303
          0303030313050615150303030303030303030303030303030303030303060001
          0318030303030303180301020307030303030303070302000703030303030303
          0303070300010303030303030301020303030303030302000000090303030303
          0303030303030303030303030303030303030303030303030303030303030303
          09000A0303030303030303030303030303030536363636363636363636363636
          3605063737373737373737373737373737060004171A38383838381A1A04051D
          393A3A3A3A3A39390506293B3C3C3C3C3C3B3B06000A030303030303030A0703
          030303030303070703030303030303070000010C030303030303030303030303
          03030303030C01020D03030303030303030303030303030303030D0200030303
          0303030003030303030303030307070300000403030303030303030303030303
          0303030303030303030405130303030303030303030303030303030303030303
          1305061515030303030303030303030303030303030303030306000103180303
          0303030318030102030703030303030307030200070303030303030303030703
          0001030303030303030102030303030303030200000009030303030303030303
          0303030303030303030303030303030303030303030303030303030309000A03
          0303030303030303030303030303053232323232323232323232323232050633
          33333333333333333333333333060004281A1A1A1A1A1A1A1A04051D34343434
          34343434050629353535353535353506000A030303030303030A070303030303
          0303070703030303030303070000000B03030303030303030303030303030303
          030B000001030303030303030303030303030303030301000003070703030300
          0303030303030303030707030000041003030303030303030303030303030303
          030303031004051313030303030303030303030303030303030303131305062D
          15151515151515151515151515151515151515152D0600011718030303030303
          1817010217070303030303030717020007030303030303030303070300010303
          0303030303010203030303030303020000000903030303030303030303030303
          03030303030303030303030303030303030303030303030309000A0303030303
          03030303030303030303052E2E2E2E2E2E2E2E2E2E2E2E2E2E05062F2F2F2F2F
          2F2F2F2F2F2F2F2F2F06000428171717171717171704051D3030303030303030
          050629313131313131313106000A030303030303030A07030303030303030707
          0303030303030307000000012003030303030303030303030303030320010000
          0216030303030303030303030303030303160200000307070303030003030303
          03030303030303030000040F0303030303030303030303030303030303030303
          0F04051213130303030303030303030303030303030313131205061415151515
          1515151515151515151515151515151525060001162018181818181820160102
          180A0707070707070A1802000719030303030303032607030001030303030303
          0301020303030303030302000000090303030303030303030303030303030303
          030303030303030303030303030303030303030309000A030303030303030303
          0303030303030522222222222222222222222222220506272727272727272727
          272727272706000410282828282828282804051D292A2A2A2A2A2A2A0506242B
          2C2C2C2C2C2C2C06000A030303030303030A0703030303030303070703030303
          0303030700000000010B0C03030303030303030303030C0B010000000002010D
          03030303030303030303030D0102000000030303030303000303030303030303
          030303030000000E0F1003030303030303030303030303030303100F0E000011
          1213131313131313131313131313131313131312110000061415151515151515
          1515151515151515151515140600000001161703030303171601000002181703
          030303171802000007071903030303031A08080300011903030303031901021B
          03030303031B0200000009030303030303030303030303030303030303030303
          0303030303030303030303030303030309000303030303030303030303030303
          0303051C1D1D1D1D1D1D1D1D1D1D1D1D1C05061E1F1F1F1F1F1F1F1F1F1F1F1F
          1E06000420101010101010102004052122222222222222210506232424242424
          24242306000A030303030303030A070303030303030307070303030303030307
          0000000000000101010101010101010101010100000000000000000202020202
          0202020202020202000000000003030303030300030303030303030303030303
          0000000004040404040404040404040404040404040404040000000005050505
          0505050505050505050505050505050500000000060606060606060606060606
          0606060606060606000000000001010101010101010000000002020202020202
          0200000007070707070707070707070300000101010101010100000202020202
          0202000000000809090909090909090909090909090909090909090909090909
          0909090909090909090909090800030303030303030303030303030303030505
          0505050505050505050505050505060606060606060606060606060606060004
          0404040404040404040405050505050505050505050606060606060606060606
          000A0A0A0A0A0A0A0A0A0707070707070707070707070707070707070000}
      end
    >
    SkinName = 'Office12Style (internal)'
    SkinnedPopups = False
  end
end
